// The Options dialog's edits: selection and editors, pairing of check marks, Reset, OK and Cancel.

#include <gtest/gtest.h>

#include <utility>

#include "log/builtin_events.h"
#include "platform/sysutils.h"
#include "tests/support/scratch_dir.h"
#include "viewer/core/options_editor.h"

namespace {

// System colours resolve to grey on this imaginary screen.
TColor ToRgb(TColor color) { return (color & 0x80000000) != 0 ? 0x808080 : color; }

class OptionsEditing : public ::testing::Test {
 protected:
  static TOXOptions Loaded(const std::string& fileName) {
    TOXOptions settings(fileName);
    settings.Load();
    return settings;
  }

  int Item(const std::string& className) {
    const auto& items = Editor.Items();
    for (size_t i = 0; i < items.size(); ++i) {
      if (items[i].ClassName == className) return static_cast<int>(i);
    }
    throw std::runtime_error("no item " + className);
  }

  ScratchDir Dir;
  TOXOptions Settings = Loaded(Dir.File("Oxlane.ini"));
  TOptionsEditor Editor{Settings, ToRgb};
};

TEST(Swatches, AColourSelectsTheFirstSwatchOfEqualRgbOrBlack) {
  EXPECT_EQ(SwatchIndexFor(0x0000FF), 9);
  EXPECT_EQ(SwatchIndexFor(0xC0C0C0), 8);  // silver, not the later light gray
  EXPECT_EQ(SwatchIndexFor(0x123456), 0);
}

TEST(Swatches, OnlySessionAndSectionClassesArePaired) {
  EXPECT_EQ(PartnerClass("TStartSessionEvent"), "TStopSessionEvent");
  EXPECT_EQ(PartnerClass("tleavesectionevent"), "TEnterSectionEvent");
  EXPECT_EQ(PartnerClass("TUserMessageEvent"), "");
}

TEST_F(OptionsEditing, ItemsAreSortedByDisplayNameAndCarryTheEnabledFlag) {
  const auto& items = Editor.Items();
  ASSERT_FALSE(items.empty());
  for (size_t i = 1; i < items.size(); ++i) {
    EXPECT_LE(CompareText(items[i - 1].DisplayName, items[i].DisplayName), 0);
  }
  EXPECT_TRUE(items[static_cast<size_t>(Item("TUserMessageEvent"))].Checked);
}

TEST_F(OptionsEditing, SelectingStoresThePreviousItemAndLoadsTheNext) {
  Settings.SetAttributes("TUserMessageEvent", {0x80000008, true, false});
  Editor.Select(Item("TUserMessageEvent"));
  EXPECT_EQ(Editor.Editors.Swatch, 7);  // the system colour's RGB matches gray
  EXPECT_TRUE(Editor.Editors.Bold);

  Editor.Editors = {9, false, true};
  Editor.Select(Item("TSeparatorEvent"));
  EXPECT_EQ(Settings.GetAttributes("TUserMessageEvent"), (TEventUIDefaults{0x0000FF, false, true}));
}

TEST_F(OptionsEditing, SessionAndSectionMarksFollowTheirPartner) {
  Editor.SetChecked(Item("TStartSessionEvent"), false);
  EXPECT_FALSE(Editor.Items()[static_cast<size_t>(Item("TStopSessionEvent"))].Checked);
  Editor.SetChecked(Item("TLeaveSectionEvent"), false);
  EXPECT_FALSE(Editor.Items()[static_cast<size_t>(Item("TEnterSectionEvent"))].Checked);
  EXPECT_TRUE(Editor.Items()[static_cast<size_t>(Item("TUserMessageEvent"))].Checked);

  // OK stores the partners' marks too, although they were never selected.
  Editor.Close(true, Settings.DateTimeFormat(), Settings.PrinterFont);
  EXPECT_FALSE(Settings.IsEnabled("TStopSessionEvent"));
  EXPECT_FALSE(Settings.IsEnabled("TEnterSectionEvent"));
}

TEST_F(OptionsEditing, OkKeepsTheEditsAndCancelReadsTheFileAgain) {
  Editor.SetChecked(Item("TUserMessageEvent"), false);
  Editor.Select(Item("TUserMessageEvent"));
  Editor.Close(true, "yyyy", {"Courier", 9});
  EXPECT_FALSE(Settings.IsEnabled("TUserMessageEvent"));
  EXPECT_EQ(Settings.DateTimeFormat(), "yyyy");
  EXPECT_EQ(Settings.PrinterFont, (TFontSettings{"Courier", 9}));

  TOptionsEditor second(Settings, ToRgb);
  second.Reset();
  second.Close(false, "hh", {"Arial", 7});
  EXPECT_TRUE(Settings.IsEnabled("TUserMessageEvent"));  // nothing was saved: the file's value
  EXPECT_NE(Settings.DateTimeFormat(), "hh");
}

TEST_F(OptionsEditing, ResetChecksEveryItemAndReloadsTheEditorsWithoutStoringThem) {
  Editor.Select(Item("TUserMessageEvent"));
  Editor.SetChecked(Item("TUserMessageEvent"), false);
  Editor.Editors = {13, true, true};
  Editor.Reset();
  for (const auto& item : Editor.Items()) EXPECT_TRUE(item.Checked) << item.ClassName;
  const TEventUIDefaults library = TUserMessageEvent::StaticClass().Get_UI_Defaults();
  EXPECT_EQ(Editor.Editors.Bold, library.Bold);
  EXPECT_EQ(Editor.Editors.Swatch, SwatchIndexFor(ToRgb(library.Color)));
}

TEST_F(OptionsEditing, TheLibrarysCommonControlRecordsAreListedByTheirNames) {
  const std::pair<const char*, const char*> classes[] = {
      {"TTabControlChangeEvent", "tab control change"},
      {"TTrackBarChangeEvent", "track bar change"},
      {"TUpDownChangeEvent", "up/down change"},
      {"THotKeyChangeEvent", "hotkey change"},
      {"TCalendarChangeEvent", "calendar change"},
      {"THeaderSizeEvent", "header resize"},
      {"THeaderClickEvent", "header click"},
      {"TToolButtonEvent", "toolbar button"},
      {"TPageScrollerScrollEvent", "page scroller"},
      {"TTreeViewEditEvent", "tree view edit"},
      {"TTreeViewChangeEvent", "tree view select"},
      {"TTreeViewExpandEvent", "tree view expand"},
      {"TTreeViewCollapseEvent", "tree view collapse"},
      {"TListViewEditEvent", "list view edit"},
      {"TListViewChangeEvent", "list view select"},
      {"TListViewColumnClickEvent", "list view column click"},
  };
  for (const auto& [className, displayName] : classes) {
    const TOptionsEditor::TItem& item = Editor.Items()[static_cast<size_t>(Item(className))];
    EXPECT_EQ(item.DisplayName, displayName);
    EXPECT_TRUE(item.Checked) << className;
  }
}

}  // namespace
