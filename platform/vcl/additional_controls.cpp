// Registration of the additional control classes.

#include "platform/vcl/additional_controls.h"

void RegisterAdditionalControls() {
  RegisterClasses({
      &TSpeedButton::StaticClass(),
      &TSplitter::StaticClass(),
      &TCheckListBox::StaticClass(),
  });
}
