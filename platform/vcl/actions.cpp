// Actions and action lists: state, clients and execution.

#include "platform/vcl/actions.h"

#include <algorithm>

#include "platform/vcl/errors.h"

const TComponentClass& TAction::StaticClass() {
  static constexpr TPublishedProperty kProperties[] = {
      Published<&TAction::Caption, &TAction::SetCaption>("Caption"),
      Published<&TAction::Enabled, &TAction::SetEnabled>("Enabled", {.Default = true}),
      Published<&TAction::Checked, &TAction::SetChecked>("Checked", {.Default = false}),
      Published<&TAction::ShortCutText, &TAction::SetShortCutText>("ShortCut"),
  };
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TAction",
      .Parent = &TComponent::StaticClass(),
      .OwnProperties = kProperties,
      .Create = &ConstructComponent<TAction>,
  });
  return cls;
}

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() { SetActionList(nullptr); }

void TAction::SetCaption(const std::string& value) {
  FCaption = value;
  Changed();
}

void TAction::SetEnabled(bool value) {
  FEnabled = value;
  Changed();
}

void TAction::SetChecked(bool value) {
  FChecked = value;
  Changed();
}

void TAction::SetShortCut(TShortCut value) {
  FShortCut = value;
  Changed();
}

void TAction::Changed() {
  // A client may unlink itself while it hears of the change.
  const auto clients = FClients;
  for (const auto& [client, changed] : clients) changed(*this);
}

bool TAction::Execute() {
  if (!FEnabled || !OnExecute) return false;
  OnExecute(this);
  return true;
}

void TAction::Link(const TComponent* client, std::function<void(const TAction&)> changed) {
  Unlink(client);
  FClients.emplace_back(client, changed);
  changed(*this);
}

void TAction::Unlink(const TComponent* client) {
  std::erase_if(FClients, [&](const auto& entry) { return entry.first == client; });
}

void TAction::SetActionList(TActionList* list) {
  if (list == FActionList) return;
  if (FActionList) std::erase(FActionList->FActions, this);
  FActionList = list;
  if (list) list->FActions.push_back(this);
}

TComponent* TAction::GetParentComponent() const { return FActionList; }

void TAction::SetParentComponent(TComponent* parent) {
  auto* list = dynamic_cast<TActionList*>(parent);
  if (parent && !list)
    throw EComponentError(Format("%s cannot contain the action %s", parent->Name(), Name()));
  SetActionList(list);
}

const TComponentClass& TActionList::StaticClass() {
  static const TComponentClass& cls = *new TComponentClass({
      .Name = "TActionList",
      .Parent = &TComponent::StaticClass(),
      .Create = &ConstructComponent<TActionList>,
  });
  return cls;
}

TActionList::TActionList(TComponent* owner) : TComponent(owner) {}

TActionList::~TActionList() {
  while (!FActions.empty()) FActions.back()->SetActionList(nullptr);
}

bool TActionList::IsShortCut(TShortCut shortCut) {
  if (shortCut == 0) return false;
  auto found = std::find_if(FActions.begin(), FActions.end(),
                            [&](const TAction* a) { return a->ShortCut() == shortCut; });
  if (found == FActions.end() || !(*found)->Enabled()) return false;
  (*found)->Execute();
  return true;
}

void TActionList::GetChildren(const std::function<void(TComponent*)>& proc,
                              TComponent* root) const {
  for (TAction* action : FActions)
    if (action->Owner() == root) proc(action);
}
