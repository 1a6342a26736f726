// Unhandled exceptions of the host reach the log before the host's own handling.

#include <gtest/gtest.h>

#include "log/builtin_events.h"
#include "platform/vcl/dialogs.h"
#include "platform/vcl/system.h"
#include "tests/support/capture_fixture.h"

namespace {

class ExceptionDiversion : public CaptureFixture {
 protected:
  void SetUp() override {
    CaptureFixture::SetUp();
    // A log that already exists is opened for appending, so the test can read it while it runs.
    Start();
    StopEventLog();
  }
  void TearDown() override {
    SetMessageBoxHandler(nullptr);
    SetIsConsole(false);
    SetExceptProc(nullptr);
    CaptureFixture::TearDown();
  }

  // The exception records of the log as it stands.
  std::vector<const TExceptionEvent*> ExceptionRecords() {
    FRecords = ReadLogFile(LogFile());
    std::vector<const TExceptionEvent*> found;
    for (const auto& record : FRecords) {
      if (auto* e = dynamic_cast<const TExceptionEvent*>(record.get())) found.push_back(e);
    }
    return found;
  }

  TRecords FRecords;
};

TEST_F(ExceptionDiversion, WithoutAHandlerTheStandardDisplayFollowsTheRecord) {
  int recordsWhenShown = -1;
  std::string shown;
  SetMessageBoxHandler([&](const std::string& text, const std::string&) {
    shown = text;
    recordsWhenShown = static_cast<int>(ExceptionRecords().size());
  });
  Start();
  Application().HandleException(nullptr, EInOutError("Disk full", 112));
  EXPECT_EQ(recordsWhenShown, 1);  // the record was in the file before the display
  EXPECT_NE(shown.find("Disk full"), std::string::npos);
  auto records = ExceptionRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]->ExceptionClass(), "EInOutError");
  EXPECT_EQ(records[0]->Details(), "ErrorCode = 112");
}

TEST_F(ExceptionDiversion, TheHostsOwnHandlerIsCalledInsteadOfTheDisplay) {
  bool displayed = false;
  SetMessageBoxHandler([&](const std::string&, const std::string&) { displayed = true; });
  std::string handled;
  Application().SetOnException([&](TObject*, const std::exception& e) { handled = e.what(); });
  Start();
  Application().HandleException(nullptr, Exception("boom"));
  EXPECT_EQ(handled, "boom");
  EXPECT_FALSE(displayed);
  EXPECT_EQ(ExceptionRecords().size(), 1u);

  // A handler the host assigns while logging is replaced by the saved one at the stop.
  Application().SetOnException([](TObject*, const std::exception&) {});
  StopEventLog();
  Application().HandleException(nullptr, Exception("after"));
  EXPECT_EQ(handled, "after");
}

TEST_F(ExceptionDiversion, TheHandlerLooksTheLogUpWhenAnExceptionComes) {
  std::string handled;
  Application().SetOnException([&](TObject*, const std::exception& e) { handled = e.what(); });
  Start();
  CloseLogStream();  // behind the engine's back
  Application().HandleException(nullptr, Exception("no log"));
  EXPECT_EQ(handled, "no log");
  StopEventLog();
}

std::vector<std::string> gConsoleHandled;
void SavedConsoleProc(const std::exception& e, uintptr_t) { gConsoleHandled.push_back(e.what()); }

TEST_F(ExceptionDiversion, ConsoleHostsLogThroughTheRuntimesProcedure) {
  SetIsConsole(true);
  SetExceptProc(&SavedConsoleProc);
  Start();
  HandleUnhandledException(EWin32Error("Access denied", 5), 0x401234);
  EXPECT_EQ(gConsoleHandled, (std::vector<std::string>{"Access denied"}));
  auto records = ExceptionRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0]->Address(), 0x401234u);
  EXPECT_EQ(records[0]->Details(), "");  // the console record carries no details
  StopEventLog();
  EXPECT_EQ(ExceptProc(), &SavedConsoleProc);
}

TEST_F(ExceptionDiversion, ConsoleHostsWithoutAProcedureStillGetTheRuntimesReport) {
  SetIsConsole(true);
  Start();
  testing::internal::CaptureStderr();
  HandleUnhandledException(Exception("unexpected"), 0);
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_NE(report.find("unexpected"), std::string::npos);
  EXPECT_EQ(ExceptionRecords().size(), 1u);
  StopEventLog();
  EXPECT_EQ(ExceptProc(), nullptr);
}

}  // namespace
