#pragma once
// TKDLogEventsProperty: the designer's editor of a TKDTracebook's record filter. Its ellipsis
// button opens a dialog with two sorted lists, the record classes that are logged and those that
// are not, and buttons, double-clicks and drags that move names between them; OK gives the
// component the logged names (each "=1") followed by the unlogged ones (each "=0").
//
// The dialog is a form named "LogEventsDialog" with the controls LoggedList, UnloggedList,
// LoggedLabel, UnloggedLabel, ExcludeAllBtn (">>"), ExcludeBtn (">"), IncludeBtn ("<"),
// IncludeAllBtn ("<<"), Bevel, OKBtn and CancelBtn, so that a host's script can reach them.

#include <memory>

#include "capture/log_event_strings.h"
#include "platform/vcl/design_property_editor.h"

class TForm;
class TListBox;

class TKDLogEventsProperty : public TClassProperty {
 public:
  TKDLogEventsProperty(TFormDesigner& designer, std::vector<TComponent*> components,
                       const TPublishedProperty& property);
  ~TKDLogEventsProperty() override;

  // Shows the dialog modally for the first component's lines and, on OK, replaces them. Lines
  // without "=" are dropped from the component's own lines as the dialog is filled, also when it
  // is cancelled.
  void Edit() override;
  // An ellipsis button; the value cannot be typed in.
  TPropertyAttributes GetAttributes() const override;

 private:
  void BuildDialog();
  // Sorts the lines of the component's value into the two lists.
  void FillLists();
  // The logged names with "=1", then the unlogged ones with "=0", each in the lists' order.
  void BuildResult();

  // The two lists exist only while the dialog does; the dialog owns them.
  TListBox* LoggedList = nullptr;
  TListBox* UnloggedList = nullptr;
  std::unique_ptr<TKDLogEventStrings> ResultList;
  std::unique_ptr<TForm> Dialog;
};
