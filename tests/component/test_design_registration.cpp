// What the designer learns from the library: the palette page and picture, the library's
// description, the editors of the component and of its record filter, and that uninstalling
// takes all of it away again.

#include <gtest/gtest.h>

#include <set>

#include "capture/design_registration.h"
#include "capture/log_events_property.h"
#include "capture/tracebook_component.h"
#include "capture/tracebook_editor.h"
#include "platform/resources.h"
#include "platform/vcl/component_class.h"
#include "platform/vcl/design_palette.h"
#include "platform/vcl/design_property_registry.h"
#include "tests/support/recording_designer.h"

namespace {

using Classes = std::vector<const TComponentClass*>;

const TPublishedProperty& LogEventsProperty() {
  return *TKDTracebook::StaticClass().FindProperty("LogEvents");
}

TEST(DesignRegistration, TheComponentIsOnPageMorvaleWithA24By24SixteenColourPicture) {
  EXPECT_EQ(PaletteComponents("Morvale"), (Classes{&TKDTracebook::StaticClass()}));
  EXPECT_EQ(GetClass("TKDTracebook"), &TKDTracebook::StaticClass());
  const TBitmap* image = PaletteImage(TKDTracebook::StaticClass());
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image, FindBitmapResource("TKDTRACEBOOK"));
  EXPECT_EQ(image->Width(), 24);
  EXPECT_EQ(image->Height(), 24);
  const std::set<TColor> standard = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                     0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                                     0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  std::set<TColor> used;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x) used.insert(image->Pixel(x, y));
  for (TColor colour : used) EXPECT_TRUE(standard.count(colour)) << std::hex << colour;
  EXPECT_GT(used.size(), 3u);  // a picture, not a blank square
  EXPECT_EQ(LibraryDescriptions(), std::vector<std::string>{"Tracebook Component"});
}

TEST(DesignRegistration, TheComponentEditorHasExactlyOneVerbForEveryIndex) {
  TKDTracebook tracebook(nullptr);
  TRecordingDesigner designer;
  const auto editor = GetComponentEditor(tracebook, designer);
  ASSERT_NE(dynamic_cast<TTracebookEditor*>(editor.get()), nullptr);
  EXPECT_EQ(editor->GetVerbCount(), 1);
  EXPECT_EQ(editor->GetVerb(0), "Edit &Log Events");
  EXPECT_EQ(editor->GetVerb(3), "Edit &Log Events");
}

TEST(DesignRegistration, TheRecordFilterHasItsDialogEditorAndCannotBeTypedIn) {
  TKDTracebook tracebook(nullptr);
  TRecordingDesigner designer;
  const auto editor = GetPropertyEditor(designer, {&tracebook}, LogEventsProperty());
  ASSERT_NE(dynamic_cast<TKDLogEventsProperty*>(editor.get()), nullptr);
  EXPECT_EQ(editor->GetAttributes(), (TPropertyAttributes{paDialog, paReadOnly}));
  EXPECT_EQ(editor->GetValue(), "(TKDLogEventStrings)");
}

TEST(DesignRegistration, UninstallingForgetsEverythingAndReinstallingRestoresIt) {
  QVReg::Unregister();
  TKDTracebook tracebook(nullptr);
  TRecordingDesigner designer;
  EXPECT_TRUE(PaletteComponents("Morvale").empty());
  EXPECT_EQ(PaletteImage(TKDTracebook::StaticClass()), nullptr);
  EXPECT_TRUE(LibraryDescriptions().empty());
  EXPECT_EQ(dynamic_cast<TTracebookEditor*>(GetComponentEditor(tracebook, designer).get()),
            nullptr);
  EXPECT_EQ(dynamic_cast<TKDLogEventsProperty*>(
                GetPropertyEditor(designer, {&tracebook}, LogEventsProperty()).get()),
            nullptr);
  EXPECT_EQ(GetClass("TKDTracebook"), &TKDTracebook::StaticClass());  // form files still load

  QVReg::Register();
  EXPECT_EQ(PaletteComponents("Morvale"), (Classes{&TKDTracebook::StaticClass()}));
  EXPECT_NE(dynamic_cast<TTracebookEditor*>(GetComponentEditor(tracebook, designer).get()),
            nullptr);
  EXPECT_EQ(LibraryDescriptions(), std::vector<std::string>{"Tracebook Component"});
}

}  // namespace
