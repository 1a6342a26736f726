// The LogEvents dialog: built in code for one edit, filled from the component's lines, and turned
// back into lines when it is confirmed.

#include "capture/log_events_property.h"

#include <string>
#include <utility>
#include <vector>

#include "capture/log_events_layout.h"
#include "platform/vcl/bevel.h"
#include "platform/vcl/forms.h"
#include "platform/vcl/label.h"
#include "platform/vcl/list_box.h"
#include "platform/vcl/std_button.h"

namespace {

void Place(TControl& control, const TControlBounds& bounds) {
  control.SetBounds(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
}

template <typename Control>
Control* AddControl(TForm& dialog, const std::string& name, const std::string& caption = {}) {
  auto* control = new Control(&dialog);
  control->SetName(name);
  control->SetParent(&dialog);
  if (!caption.empty()) control->SetCaption(caption);
  return control;
}

TListBox* AddList(TForm& dialog, const std::string& name) {
  auto* list = AddControl<TListBox>(dialog, name);
  list->SetSorted(true);
  list->SetMultiSelect(true);
  list->SetDragMode(dmAutomatic);
  return list;
}

TButton* AddMoveButton(TForm& dialog, const std::string& name, const std::string& caption,
                       const std::string& hint, TNotifyEvent onClick) {
  auto* button = AddControl<TButton>(dialog, name, caption);
  button->SetHint(hint);
  button->OnClick = std::move(onClick);
  return button;
}

// Keeps both lists from redrawing while lines move between them.
class TListsUpdate {
 public:
  TListsUpdate(TListBox& a, TListBox& b) : FA(*a.Items()), FB(*b.Items()) {
    FA.BeginUpdate();
    FB.BeginUpdate();
  }
  ~TListsUpdate() {
    FB.EndUpdate();
    FA.EndUpdate();
  }
  TListsUpdate(const TListsUpdate&) = delete;
  TListsUpdate& operator=(const TListsUpdate&) = delete;

 private:
  TStrings& FA;
  TStrings& FB;
};

void MoveAll(TListBox& from, TListBox& to) {
  TListsUpdate update(from, to);
  to.Items()->AddStrings(*from.Items());
  from.Items()->Clear();
}

// From the bottom up, so that each removal leaves the indexes still to visit in place.
void MoveSelected(TListBox& from, TListBox& to) {
  TListsUpdate update(from, to);
  for (int i = from.Items()->Count() - 1; i >= 0; --i) {
    if (!from.Selected(i)) continue;
    to.Items()->Add(from.Items()->Get(i));
    from.Items()->Delete(i);
  }
}

// A list takes a drop from the other list only.
void AcceptDropsFrom(TListBox& target, TListBox& source) {
  target.OnDragOver = [&source](TObject*, TObject* dragged, int, int, TDragState, bool& accept) {
    accept = dragged == &source;
  };
  target.OnDragDrop = [&target, &source](TObject*, TObject*, int, int) {
    MoveSelected(source, target);
  };
}

}  // namespace

TKDLogEventsProperty::TKDLogEventsProperty(TFormDesigner& designer,
                                           std::vector<TComponent*> components,
                                           const TPublishedProperty& property)
    : TClassProperty(designer, std::move(components), property) {}

TKDLogEventsProperty::~TKDLogEventsProperty() = default;

TPropertyAttributes TKDLogEventsProperty::GetAttributes() const { return {paDialog, paReadOnly}; }

void TKDLogEventsProperty::Edit() {
  struct TDialogScope {
    TKDLogEventsProperty& Editor;
    ~TDialogScope() {
      Editor.ResultList.reset();
      Editor.Dialog.reset();
      Editor.LoggedList = nullptr;
      Editor.UnloggedList = nullptr;
    }
  } scope{*this};
  ResultList = std::make_unique<TKDLogEventStrings>();
  BuildDialog();
  FillLists();
  if (Dialog->ShowModal() != mrOk) return;
  BuildResult();
  SetStringsValue(*ResultList);
}

void TKDLogEventsProperty::BuildDialog() {
  Dialog = std::make_unique<TForm>(nullptr);
  TForm& dialog = *Dialog;
  dialog.SetName("LogEventsDialog");
  Place(dialog, kLogEventsDialogBounds);
  dialog.SetCaption(GetName());
  dialog.SetBorderStyle(bsDialog);
  dialog.SetShowHint(true);

  auto* loggedLabel = AddControl<TLabel>(dialog, "LoggedLabel", "&Logged:");
  auto* unloggedLabel = AddControl<TLabel>(dialog, "UnloggedLabel", "&Unlogged:");
  LoggedList = AddList(dialog, "LoggedList");
  UnloggedList = AddList(dialog, "UnloggedList");
  loggedLabel->SetFocusControl(LoggedList);
  unloggedLabel->SetFocusControl(UnloggedList);
  TListBox& logged = *LoggedList;
  TListBox& unlogged = *UnloggedList;
  logged.OnDblClick = [&logged, &unlogged](TObject*) { MoveSelected(logged, unlogged); };
  unlogged.OnDblClick = [&logged, &unlogged](TObject*) { MoveSelected(unlogged, logged); };
  AcceptDropsFrom(unlogged, logged);
  AcceptDropsFrom(logged, unlogged);

  TButton* moveButtons[] = {
      AddMoveButton(dialog, "ExcludeAllBtn", ">>", "Exclude All Events",
                    [&logged, &unlogged](TObject*) { MoveAll(logged, unlogged); }),
      AddMoveButton(dialog, "ExcludeBtn", ">", "Exclude Selected Event(s)",
                    [&logged, &unlogged](TObject*) { MoveSelected(logged, unlogged); }),
      AddMoveButton(dialog, "IncludeBtn", "<", "Include Selected Event(s)",
                    [&logged, &unlogged](TObject*) { MoveSelected(unlogged, logged); }),
      AddMoveButton(dialog, "IncludeAllBtn", "<<", "Include All Events",
                    [&logged, &unlogged](TObject*) { MoveAll(unlogged, logged); }),
  };
  auto* bevel = AddControl<TBevel>(dialog, "Bevel");
  bevel->SetShape(bsTopLine);
  auto* ok = AddControl<TButton>(dialog, "OKBtn", "OK");
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  auto* cancel = AddControl<TButton>(dialog, "CancelBtn", "Cancel");
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);

  const TLogEventsLayout layout =
      LayoutLogEventsDialog(dialog.ClientWidth(), dialog.ClientHeight(), unloggedLabel->Height());
  Place(*loggedLabel, layout.LoggedLabel);
  Place(*unloggedLabel, layout.UnloggedLabel);
  Place(logged, layout.LoggedList);
  Place(unlogged, layout.UnloggedList);
  for (size_t i = 0; i < layout.MoveButtons.size(); ++i)
    Place(*moveButtons[i], layout.MoveButtons[i]);
  Place(*bevel, layout.Bevel);
  Place(*ok, layout.OKButton);
  Place(*cancel, layout.CancelButton);
  dialog.SetActiveControl(&logged);
}

void TKDLogEventsProperty::FillLists() {
  TStrings& value = *GetStringsValue();
  for (int i = value.Count() - 1; i >= 0; --i) {
    const std::string line = value.Get(i);
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      value.Delete(i);
      continue;
    }
    const bool unlogged = equals + 1 < line.size() && line[equals + 1] == '0';
    (unlogged ? UnloggedList : LoggedList)->Items()->Add(line.substr(0, equals));
  }
}

void TKDLogEventsProperty::BuildResult() {
  ResultList->Clear();
  for (const auto& [list, flag] : {std::pair{LoggedList, "=1"}, std::pair{UnloggedList, "=0"}})
    for (int i = 0; i < list->Items()->Count(); ++i) ResultList->Add(list->Items()->Get(i) + flag);
}
