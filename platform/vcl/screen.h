#pragma once
// TScreen: the process's view of its forms: every form that exists, the active form and the
// control that has the keyboard focus.

#include <vector>

#include "platform/vcl/system.h"

class TControl;
class TCustomForm;

class TScreen : public TObject {
 public:
  std::string ClassName() const override { return "TScreen"; }

  // Every existing form, in creation order.
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int index) const;  // raises EListError out of range
  // The form whose window is active, or nullptr.
  TCustomForm* ActiveForm() const;
  // The framework control that has the focus, or whose native child window has it; nullptr when
  // the focus is elsewhere.
  TControl* ActiveControl() const;

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form) { FForms.push_back(form); }
  void RemoveForm(TCustomForm* form);

  std::vector<TCustomForm*> FForms;
};

// The process's screen object.
TScreen& Screen();
