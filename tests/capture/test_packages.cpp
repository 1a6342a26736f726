// Additional packages named in TrcBook.ini beside the program.

#include <gtest/gtest.h>

#include "tests/support/capture_fixture.h"

namespace {

class Packages : public CaptureFixture {};

TEST_F(Packages, OnlyTheLoadablePackageIsLoadedAndItsRecordsAreKnown) {
  EXPECT_EQ(TLogStream::FindClassByName("TWindowCloseEvent"), nullptr);
  LoadPackages();
  // Found beside the program by its bare name, without the blanks around it in the line.
  ASSERT_EQ(LoadedPackages().size(), 1u);
  ASSERT_NE(TLogStream::FindClassByName("TWindowCloseEvent"), nullptr);

  // The package's proxy records a window closed by the user; a reader recognises the record.
  WNDCLASSA frameClass;
  frameClass.lpfnWndProc = &DefWindowProcA;
  frameClass.lpszClassName = "TestFrame";
  RegisterClassA(frameClass);
  const HWND window =
      CreateWindowExA(0, "TestFrame", "Orders", WS_OVERLAPPED, 0, 0, 100, 100, 0, 0, 0, nullptr);
  Start();
  SendMessageA(window, WM_CLOSE, 0, 0);
  StopEventLog();

  const TRecords records = ReadLogFile(LogFile());
  ASSERT_EQ(
      ClassNames(records),
      (std::vector<std::string>{"TStartSessionEvent", "TWindowCloseEvent", "TStopSessionEvent"}));
  EXPECT_EQ(records[1]->AsString(), "Orders");
  EXPECT_EQ(records[1]->Get_UI_Defaults().Italic, true);

  LoadPackages();  // again: loaded and recorded again
  EXPECT_EQ(LoadedPackages().size(), 2u);
}

}  // namespace
