// Registration of the common control classes.

#include "platform/vcl/comctrls.h"

void RegisterCommonControls() {
  RegisterClasses({
      &THeaderControl::StaticClass(),
      &TToolBar::StaticClass(),
      &TToolButton::StaticClass(),
      &TTreeView::StaticClass(),
      &TListView::StaticClass(),
  });
}
