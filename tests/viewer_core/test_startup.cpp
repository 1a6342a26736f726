// Start-up with an additional package named in TrcBook.ini beside the program (this test
// program's names the sample package).

#include <gtest/gtest.h>

#include <algorithm>

#include "log/log_stream.h"
#include "tests/support/scratch_dir.h"
#include "viewer/core/options_editor.h"
#include "viewer/core/startup.h"

namespace {

TEST(Startup, RecordClassesOfAdditionalPackagesAreShownAndListedInOptions) {
  ScratchDir dir;
  TOXOptions settings(dir.File("Oxlane.ini"));
  ASSERT_EQ(TLogStream::FindClassByName("TWindowCloseEvent"), nullptr);
  LoadPackagesAndSettings(settings);
  ASSERT_NE(TLogStream::FindClassByName("TWindowCloseEvent"), nullptr);

  EXPECT_TRUE(settings.IsEnabled("TWindowCloseEvent"));
  EXPECT_TRUE(settings.GetAttributes("TWindowCloseEvent").Italic);  // the package's own look
  const TOptionsEditor options(settings, [](TColor color) { return color; });
  EXPECT_TRUE(std::any_of(
      options.Items().begin(), options.Items().end(),
      [](const TOptionsEditor::TItem& item) { return item.ClassName == "TWindowCloseEvent"; }));
}

}  // namespace
