// Registration of the additional control classes.

#include "platform/vcl/additional_controls.h"

void RegisterAdditionalControls() {
  RegisterClasses({
      &TDrawGrid::StaticClass(),
      &TStringGrid::StaticClass(),
      &TOutline::StaticClass(),
      &TSpeedButton::StaticClass(),
      &TSplitter::StaticClass(),
      &TCheckListBox::StaticClass(),
      &TBevel::StaticClass(),
  });
}
