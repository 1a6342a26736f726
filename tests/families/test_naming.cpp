// Names of controls and windows, as every capture record carries them.

#include <gtest/gtest.h>

#include <cstdio>

#include "families/qv_utils.h"
#include "platform/vcl/stdctrls.h"
#include "tests/support/family_fixture.h"

namespace {

// Form1 (at 100,50) holds an unnamed group box (at 10,20, 200x100).
class Naming : public FamilyFixture {
 protected:
  void SetUp() override {
    FamilyFixture::SetUp();
    form = Application().CreateForm<TForm>();
    form->SetName("Form1");
    form->SetBounds(100, 50, 400, 300);
    box = Child<TGroupBox>(form, "", 10, 20, 200, 100);
    WNDCLASSA native;
    for (const char* name : {"Button", "ComboBox", "Edit", "Static"}) {
      native.lpszClassName = name;
      RegisterClassA(native);
    }
  }

  template <typename T>
  T* Child(TWinControl* parent, const std::string& name, int left, int top, int width, int height) {
    return PlaceControl<T>(form, parent, name, {left, top, width, height});
  }

  HWND Native(const char* className, const char* text, HWND parent) {
    return CreateWindowExA(0, className, text, WS_CHILD, 0, 0, 10, 10, parent, 0, 0, nullptr);
  }

  TForm* form = nullptr;
  TWinControl* box = nullptr;
};

// The handle as a window description shows it: lower-case hexadecimal, at least four digits.
std::string Hex(HWND handle) {
  char text[16];
  std::snprintf(text, sizeof text, "%04x", static_cast<unsigned>(handle));
  return text;
}

TEST_F(Naming, ControlPathsRunFromTheFormAndNameUnnamedControlsByClass) {
  TWinControl* edit = Child<TWinControl>(box, "Edit1", 0, 0, 10, 10);
  TControl* loose = new TControl(nullptr);
  EXPECT_EQ(GetControlName(*edit), "Form1.GroupBox.Edit1");
  EXPECT_EQ(GetControlName(*form), "Form1");
  EXPECT_EQ(GetControlName(*loose), "Control");
  EXPECT_EQ(GetWindowName(edit->Handle()), "Form1.GroupBox.Edit1");
  EXPECT_EQ(GetWindowName(LOWORD(edit->Handle())), "Form1.GroupBox.Edit1");  // 16-bit form
  delete loose;
}

TEST_F(Naming, NativeWindowsAreDescribedByClassTextAndHandle) {
  const HWND empty = Native("Button", "", form->Handle());
  const HWND ok = Native("Button", "OK", form->Handle());
  EXPECT_EQ(GetWindowName(empty), "{Button} [" + Hex(empty) + "]");
  EXPECT_EQ(GetWindowName(ok), "{Button} \"OK\" [" + Hex(ok) + "]");
  EXPECT_EQ(GetWindowName(0xC4), "invalid handle [00c4]");
  DestroyWindow(ok);
  EXPECT_EQ(GetWindowName(ok), "invalid handle [" + Hex(ok) + "]");
}

TEST_F(Naming, TheEditOfAComboBoxNamesItsComboBox) {
  const HWND combo = Native("ComboBox", "", box->Handle());
  const HWND edit = Native("Edit", "abc", combo);
  const std::string comboName = "{ComboBox} [" + Hex(combo) + "]";
  EXPECT_EQ(GetWindowName(edit), "{Edit} \"abc\" [child of " + comboName + "]");
  std::string parentName = "before";
  EXPECT_TRUE(IsComboEdit(edit, parentName));
  EXPECT_EQ(parentName, comboName);
}

TEST_F(Naming, OnlyAnEditUnderAComboBoxIsAComboEdit) {
  const HWND underStatic = Native("Edit", "abc", Native("Static", "", form->Handle()));
  const HWND underForm = Native("Edit", "abc", form->Handle());
  const HWND staticInCombo = Native("Static", "abc", Native("ComboBox", "", form->Handle()));
  const HWND topLevel = CreateWindowExA(0, "Edit", "abc", WS_POPUP, 0, 0, 10, 10, 0, 0, 0, nullptr);
  std::string parentName = "unchanged";
  for (HWND window : {underStatic, underForm, staticInCombo, topLevel, HWND{0xC4}}) {
    EXPECT_FALSE(IsComboEdit(window, parentName)) << window;
  }
  EXPECT_EQ(parentName, "unchanged");
  EXPECT_EQ(GetWindowName(underStatic), "{Edit} \"abc\" [" + Hex(underStatic) + "]");
}

TEST_F(Naming, AHitNamesTheInnermostChildUnderThePoint) {
  TWinControl* panel = Child<TWinControl>(box, "Panel1", 20, 10, 100, 60);
  TControl* label = Child<TControl>(panel, "Label1", 5, 5, 30, 10);
  TControl* hidden = Child<TControl>(panel, "Hidden", 50, 5, 30, 10);
  hidden->SetVisible(false);
  Child<TControl>(panel, "Under", 60, 40, 20, 10);
  Child<TControl>(panel, "Over", 60, 40, 20, 10);
  ASSERT_EQ(label->Parent(), panel);

  const std::string path = "Form1.GroupBox.Panel1";
  EXPECT_EQ(GetWindowHit(*box, {21, 11}), path);              // on the panel, no child
  EXPECT_EQ(GetWindowHit(*box, {25, 15}), path + ".Label1");  // top left corner is inside
  EXPECT_EQ(GetWindowHit(*box, {55, 15}), path);              // the right edge is not
  EXPECT_EQ(GetWindowHit(*box, {20 + 55, 10 + 8}), path + ".Hidden");
  EXPECT_EQ(GetWindowHit(*box, {20 + 65, 10 + 45}), path + ".Over");  // the later child wins
  EXPECT_EQ(GetWindowHit(*box, {199, 99}), "Form1.GroupBox");
  EXPECT_EQ(GetWindowHit(*panel, {6, 6}), "Form1.GroupBox.Panel1.Label1");
}

}  // namespace
