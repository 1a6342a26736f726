// Registration of the standard control, menu and action classes.

#include "platform/vcl/stdctrls.h"

void RegisterStandardControls() {
  RegisterClasses({
      &TButton::StaticClass(),
      &TCheckBox::StaticClass(),
      &TRadioButton::StaticClass(),
      &TGroupBox::StaticClass(),
      &TPanel::StaticClass(),
      &TRadioGroup::StaticClass(),
      &TLabel::StaticClass(),
      &TEdit::StaticClass(),
      &TMemo::StaticClass(),
      &TListBox::StaticClass(),
      &TComboBox::StaticClass(),
      &TScrollBar::StaticClass(),
      &TScrollBox::StaticClass(),
      &TMainMenu::StaticClass(),
      &TPopupMenu::StaticClass(),
      &TMenuItem::StaticClass(),
      &TActionList::StaticClass(),
      &TAction::StaticClass(),
  });
}
