// Registration of the common control classes.

#include "platform/vcl/comctrls.h"

void RegisterCommonControls() {
  RegisterClasses({
      &TTabControl::StaticClass(),
      &TPageControl::StaticClass(),
      &TTabSheet::StaticClass(),
      &TTrackBar::StaticClass(),
      &TUpDown::StaticClass(),
      &THotKey::StaticClass(),
      &TMonthCalendar::StaticClass(),
      &TDateTimePicker::StaticClass(),
      &TPageScroller::StaticClass(),
      &TRichEdit::StaticClass(),
      &THeaderControl::StaticClass(),
      &TToolBar::StaticClass(),
      &TToolButton::StaticClass(),
      &TTreeView::StaticClass(),
      &TListView::StaticClass(),
  });
}
