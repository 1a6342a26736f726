// What happens to exceptions: the application's exception event or its message box, and the
// runtime's report of an exception nobody caught.

#include <gtest/gtest.h>

#include <regex>
#include <stdexcept>

#include "platform/sysutils.h"
#include "tests/vcl/vcl_fixture.h"

namespace {

TEST_F(VclTest, HandleExceptionShowsTheMessageWithoutAnExceptionEvent) {
  Application().HandleException(nullptr, EInOutError("Disk full", 112));
  Application().HandleException(nullptr, Exception("Really?"));
  Application().HandleException(nullptr, std::runtime_error("plain"));
  EXPECT_EQ(shown, (std::vector<std::string>{"Disk full.", "Really?", "plain."}));
}

TEST_F(VclTest, HandleExceptionCallsTheExceptionEventInstead) {
  TObject* seenSender = nullptr;
  std::string seenMessage;
  TComponent sender(nullptr);
  Application().SetOnException([&](TObject* s, const std::exception& e) {
    seenSender = s;
    seenMessage = e.what();
  });
  Application().HandleException(&sender, EConvertError("'x' is not a number"));
  EXPECT_EQ(seenSender, &sender);
  EXPECT_EQ(seenMessage, "'x' is not a number");
  EXPECT_TRUE(shown.empty());
}

TEST_F(VclTest, AnExceptionRaisedByTheExceptionEventIsShownAndGoesNoFurther) {
  Application().SetOnException(
      [](TObject*, const std::exception&) { throw Exception("handler failed"); });
  EXPECT_NO_THROW(Application().HandleException(nullptr, Exception("first")));
  EXPECT_EQ(shown, (std::vector<std::string>{"handler failed."}));
}

TEST_F(VclTest, ShowExceptionIsTitledWithTheProgramName) {
  std::string caption;
  SetMessageBoxHandler([&](const std::string&, const std::string& c) { caption = c; });
  Application().ShowException(Exception("x"));
  EXPECT_EQ(caption, ChangeFileExt(ExtractFileName(Application().ExeName()), ""));
  EXPECT_TRUE(FileExists(Application().ExeName()));
}

std::string procReport;
void RecordingExceptProc(const std::exception& e, uintptr_t address) {
  procReport = Format("%s at %d", e.what(), static_cast<int64_t>(address));
}

TEST(UnhandledExceptionTest, GoesToTheExceptionProcedureWhenOneIsSet) {
  SetExceptProc(&RecordingExceptProc);
  ::testing::internal::CaptureStderr();
  HandleUnhandledException(EInOutError("File not found", 2), 1234);
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(procReport, "File not found at 1234");
  SetExceptProc(nullptr);
}

TEST(UnhandledExceptionTest, IsReportedOnStandardErrorOtherwise) {
  ::testing::internal::CaptureStderr();
  HandleUnhandledException(EInOutError("File not found", 2),
                           reinterpret_cast<uintptr_t>(&RecordingExceptProc));
  std::string report = ::testing::internal::GetCapturedStderr();
  std::string module = ExtractFileName(ExecutableFileName());
  EXPECT_EQ(report.rfind("Exception EInOutError in module " + module + " at ", 0), 0u) << report;
  // Eight upper-case hexadecimal digits, then the message with its period.
  EXPECT_TRUE(std::regex_match(report.substr(report.find(" at ") + 4),
                               std::regex("[0-9A-F]{8}\\.\nFile not found\\.\n")))
      << report;

  ::testing::internal::CaptureStderr();
  HandleUnhandledException(std::out_of_range("index 7"), 0);
  report = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(report.find("Exception std::out_of_range in module"), std::string::npos) << report;
}

TEST(UnhandledExceptionTest, ConsoleFlagDefaultsToWindowed) {
  EXPECT_FALSE(IsConsole());
  SetIsConsole(true);
  EXPECT_TRUE(IsConsole());
  SetIsConsole(false);
}

}  // namespace
