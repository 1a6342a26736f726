// TScreen: the list of forms, the active form and the focused control.

#include "platform/vcl/screen.h"

#include <algorithm>

#include "platform/sysutils.h"
#include "platform/vcl/form.h"

TScreen& Screen() {
  static TScreen* screen = new TScreen;  // lives as long as the process: forms outlive statics
  return *screen;
}

TCustomForm* TScreen::Forms(int index) const {
  if (index < 0 || index >= FormCount())
    throw EListError(Format("List index out of bounds (%d)", index));
  return FForms[static_cast<size_t>(index)];
}

void TScreen::RemoveForm(TCustomForm* form) { std::erase(FForms, form); }

TCustomForm* TScreen::ActiveForm() const {
  return dynamic_cast<TCustomForm*>(FindControl(GetActiveWindow()));
}

TControl* TScreen::ActiveControl() const {
  for (HWND window = GetFocus(); window != 0; window = GetParent(window))
    if (TControl* control = FindControl(window)) return control;
  return nullptr;
}
