// Shortcut texts, mnemonics and shift states.

#include <gtest/gtest.h>

#include "platform/vcl/keyboard.h"
#include "platform/win32/input.h"

namespace {

TEST(KeyboardTest, ShortCutTextsReadBack) {
  EXPECT_EQ(ShortCutToText(ShortCut('O', {ssCtrl})), "Ctrl+O");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F1 + 4, {ssShift, ssCtrl, ssAlt})), "Shift+Ctrl+Alt+F5");
  EXPECT_EQ(ShortCutToText(VK_DELETE), "Del");
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCutToText(scCtrl | 0xE8), "");  // a key without a name
  for (TShortCut s : {TShortCut(scCtrl | 'O'), TShortCut(scAlt | VK_RETURN),
                      TShortCut(scShift | scCtrl | (VK_F1 + 11)), TShortCut(VK_SPACE)})
    EXPECT_EQ(TextToShortCut(ShortCutToText(s)), s) << ShortCutToText(s);
  EXPECT_EQ(TextToShortCut("alt+ctrl+x"), scAlt | scCtrl | 'X');
  EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
  EXPECT_EQ(TextToShortCut("Hyper+Q"), 0);
}

TEST(KeyboardTest, MnemonicIsTheCharacterAfterTheLastSingleAmpersand) {
  EXPECT_TRUE(IsAccel('O', "&Options"));
  EXPECT_TRUE(IsAccel('O', "&options"));
  EXPECT_FALSE(IsAccel('P', "&Options"));
  EXPECT_TRUE(IsAccel('E', "Save && &Exit"));
  EXPECT_FALSE(IsAccel('E', "Save &&Exit"));
  EXPECT_FALSE(IsAccel('A', "Trailing&"));
  EXPECT_FALSE(IsAccel('O', "Options"));
}

TEST(KeyboardTest, ShiftStateFromKeysHeldAndTheAltBit) {
  ResetWindowingForTests();
  EXPECT_TRUE(KeyDataToShiftState(0).Empty());
  EXPECT_EQ(KeyDataToShiftState(0x20000000), TShiftState{ssAlt});
  SimulateKeyDown(VK_SHIFT);
  SimulateKeyDown(VK_CONTROL);
  EXPECT_EQ(KeyDataToShiftState(0), (TShiftState{ssShift, ssCtrl}));
  SimulateKeyUp(VK_SHIFT);
  SimulateKeyUp(VK_CONTROL);
  ResetWindowingForTests();
}

}  // namespace
