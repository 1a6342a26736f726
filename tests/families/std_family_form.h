#pragma once
// A form for the standard-control family's tests: controls made in code, the log started with
// only the records a test looks at, and the records read back as class and display text.

#include <string>
#include <utility>
#include <vector>

#include "platform/vcl/stdctrls.h"
#include "platform/vcl/user_actions.h"
#include "platform/win32/input.h"
#include "tests/support/family_fixture.h"

using TTexts = std::vector<std::pair<std::string, std::string>>;

class StdFamilyForm : public FamilyFixture {
 protected:
  void SetUp() override {
    FamilyFixture::SetUp();
    form = Application().CreateForm<TForm>();
    form->SetName("Form1");
    form->SetBounds(100, 50, 500, 400);
  }

  template <typename T>
  T* Make(TWinControl* parent, const std::string& name, RECT bounds,
          const std::string& caption = "") {
    T* control = PlaceControl<T>(form, parent, name, bounds);
    if (!caption.empty()) control->SetCaption(caption);
    return control;
  }

  // Shows the form and starts the log. Focus and activation records are left out, and mouse
  // clicks unless a test wants to see them beside the control's own record.
  void ShowAndStart(bool withClicks = false) {
    form->Show();
    ProcessPendingMessages();
    Start();
    TLogStream::EnableEvent("TSetFocusEvent", false);
    TLogStream::EnableEvent("TActivateEvent", false);
    TLogStream::EnableEvent("TMouseClickEvent", withClicks);
  }

  // The class and display text of each record, in order.
  static TTexts TextsOf(const TRecords& records) {
    TTexts texts;
    for (const auto& record : records) texts.emplace_back(record->ClassName(), record->AsString());
    return texts;
  }
  TTexts Texts() { return TextsOf(Recorded()); }

  static void Click(const TControl& control) {
    SimulateUserClick(TMouseButton::mbLeft,
                      control.ClientToScreen({control.Width() / 2, control.Height() / 2}));
  }
  static void Key(BYTE key, bool shift = false, bool ctrl = false, bool alt = false) {
    SimulateTypedKeyStroke(key, shift, ctrl, alt);
  }
  static void Type(const std::string& text) {
    for (char c : text) Key(static_cast<BYTE>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c));
  }

  TForm* form = nullptr;
};
