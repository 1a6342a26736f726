#pragma once
// TTracebookEditor: what the designer does with a TKDTracebook on the form. Its one context-menu
// verb and a double-click both open the LogEvents dialog of the component's record filter.

#include <string>

#include "platform/vcl/design_component_editor.h"

class TTracebookEditor : public TDefaultEditor {
 public:
  using TDefaultEditor::TDefaultEditor;

  // Opens the dialog of the component's TKDLogEventsProperty, then tells the designer that the
  // form changed.
  void Edit() override;
  // Every index is the one verb.
  void ExecuteVerb(int index) override;
  std::string GetVerb(int index) const override;
  int GetVerbCount() const override { return 1; }
};
