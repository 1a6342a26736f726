// The additional-control and outline families as the library registers them when it loads: their
// records are known by name to everything that reads a log through the library (the viewer's
// record list and settings, evtdump).

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "families/additional_events.h"
#include "families/win31_events.h"
#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "platform/mmsystem.h"
#include "tests/support/scratch_dir.h"

namespace {

TEST(LibraryRegistration, TheOutlineAndAdditionalFamiliesComeFirstInTheListing) {
  // The list runs from the last registered family to the first: outline, additional controls,
  // then the window and mouse family.
  TStringList names;
  TLogStream::GetRegisteredEvents(&names);
  ASSERT_GE(names.Count(), 7);
  const char* expected[] = {"TOutlineNodeChangeEvent", "TSpeedButtonEvent", "TGridEditEvent",
                            "TGridCellChangeEvent",    "TSplitterEvent",    "TCheckListBoxEvent",
                            "TActivateEvent"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(names.Get(i), expected[i]) << i;
}

TEST(LibraryRegistration, EvtdumpShowsEveryRecordByItsEventName) {
  ScratchDir dir;
  const std::string log = dir.File("session.evt");
  SetFixedTickCount(700);
  CreateLogStream(log, true);
  LogStream()->WriteEvent(std::make_unique<TSpeedButtonEvent>("Form1.SaveBtn"));
  LogStream()->WriteEvent(std::make_unique<TGridEditEvent>("Form1.Grid", "\"7\"", POINT{1, 2}));
  LogStream()->WriteEvent(std::make_unique<TGridCellChangeEvent>("Form1.Grid", POINT{1, 3}));
  LogStream()->WriteEvent(std::make_unique<TSplitterEvent>("Form1.Splitter1", 120));
  LogStream()->WriteEvent(
      std::make_unique<TCheckListBoxEvent>("Form1.Fruit", "\"Apple\"", 0, true));
  LogStream()->WriteEvent(std::make_unique<TOutlineNodeChangeEvent>("Form1.Tree", "Cars", 3));
  CloseLogStream();
  SetFixedTickCount(std::nullopt);

  const std::string out = dir.File("out.txt");
  const int status = std::system((std::string(EVTDUMP_PATH) + " " + log + " >" + out).c_str());
  ASSERT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadTextFile(out),
            "700\tspeed button click\tForm1.SaveBtn\n"
            "700\tgrid cell edit\tForm1.Grid 1, 2: \"7\"\n"
            "700\tgrid cell change\tForm1.Grid 1, 3\n"
            "700\tsplitter\tForm1.Splitter1 120\n"
            "700\tcheck list box select\tForm1.Fruit \"Apple\" (0) Checked\n"
            "700\toutline node change\tForm1.Tree 3: Cars\n");
}

}  // namespace
