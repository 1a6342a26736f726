#pragma once
// Actions: named commands with a caption, enabled and checked state and a shortcut, kept in
// action lists. Controls and menu items linked to an action show its caption and state, follow
// its changes, and execute it when clicked; an action list executes the action of a shortcut.

#include <functional>
#include <string>
#include <vector>

#include "platform/vcl/component.h"
#include "platform/vcl/keyboard.h"

class TActionList;

class TAction : public TComponent {
  COMPONENT_CLASS(TAction)

 public:
  explicit TAction(TComponent* owner);
  ~TAction() override;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut value);
  // The shortcut as form files store it ("Ctrl+O").
  std::string ShortCutText() const { return ShortCutToText(FShortCut); }
  void SetShortCutText(const std::string& value) { SetShortCut(TextToShortCut(value)); }

  TNotifyEvent OnExecute;
  // Runs OnExecute when the action is enabled and has one; answers whether it ran.
  virtual bool Execute();

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* list);

  // Linked clients hear of every change of caption, state or shortcut until they unlink.
  void Link(const TComponent* client, std::function<void(const TAction&)> changed);
  void Unlink(const TComponent* client);

  bool HasParent() const override { return FActionList != nullptr; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* parent) override;

 private:
  void Changed();

  std::string FCaption;
  bool FEnabled = true;
  bool FChecked = false;
  TShortCut FShortCut = 0;
  TActionList* FActionList = nullptr;
  std::vector<std::pair<const TComponent*, std::function<void(const TAction&)>>> FClients;
};

class TActionList : public TComponent {
  COMPONENT_CLASS(TActionList)

 public:
  explicit TActionList(TComponent* owner);
  ~TActionList() override;

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TAction* Actions(int index) const { return FActions.at(static_cast<size_t>(index)); }
  // Executes the first action whose shortcut this is, when it is enabled; answers whether the
  // shortcut belongs to an enabled action.
  bool IsShortCut(TShortCut shortCut);

  void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) const override;

 private:
  friend class TAction;
  std::vector<TAction*> FActions;
};
