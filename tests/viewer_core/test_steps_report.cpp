// The steps report of the visible rows: its text line by line, numbering per session, collapsed
// groups, the HTML document with hostile log texts, the times, and a file that cannot be written.

#include <sstream>

#include "families/std_events.h"
#include "platform/sysutils.h"
#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/html_text.h"
#include "viewer/core/steps_export.h"
#include "viewer/core/steps_report.h"

namespace {

class StepsReport : public ViewerFixture {
 protected:
  void SetUp() override { Viewer().SetFilterWindow(&Filter); }

  void Load() {
    CloseLogStream();
    ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  }

  std::string Exported(TStepsFormat format) {
    std::ostringstream out;
    ExportSteps(Viewer(), format, out);
    return out.str();
  }

  // The report's lines after its three lines of title, log and reading note.
  std::string Steps() {
    const std::string text = Exported(TStepsFormat::sfText);
    size_t at = 0;
    for (int line = 0; line < 3; ++line) at = text.find("\r\n", at) + 2;
    return text.substr(at);
  }

  FixedFilter Filter;
};

TEST_F(StepsReport, TextNumbersTheStepsUnderTheirSessionAndSectionsWithTheirTimes) {
  LogWriter log(LogFile);
  log.At(1000).Start();
  log.At(1250).Add(std::make_unique<TButtonEvent>("MainForm.Panel1.OKBtn", ""));
  log.At(2000).Enter("Checkout");
  log.At(8250).Add(std::make_unique<TExceptionEvent>(EInOutError("Disk full", 28)));
  log.At(9000).Message("saved");
  log.At(9100).Leave("Checkout");
  log.At(3662003).Separator();
  log.Stop();
  Load();
  EXPECT_TRUE(Exported(TStepsFormat::sfText)
                  .starts_with("Steps of app.evt\r\nLog: " + LogFile +
                               "\r\nSteps are numbered from 1 in each session; times count from "
                               "the start of the session.\r\n"));
  EXPECT_EQ(Steps(),
            "\r\n"
            "Session 1: App started on 2000-01-01 at 00:00:00\r\n"
            "  Step 1, 0:00.250: clicked button OKBtn on MainForm.Panel1\r\n"
            "  0:01.000: Section \"Checkout\"\r\n"
            "    ! Step 2, 0:07.250: Exception EInOutError: Disk full (ErrorCode = 28)\r\n"
            "    * Step 3, 0:08.000: Message: saved\r\n"
            "  0:08.100: end of section \"Checkout\"\r\n"
            "  * Step 4, 1:01:01.003: Separator\r\n"
            "1:01:01.003: session ended on 2000-01-01 at 00:00:00\r\n");
}

TEST_F(StepsReport, NumbersStartAgainInEachSessionAndACollapsedGroupHidesItsSteps) {
  {
    LogWriter log(LogFile);
    log.At(1000).Start().Message("one").Enter("hidden").Message("two").Leave("hidden").Stop();
    log.At(5000).Start().At(5500).Message("three").Stop();
  }
  Load();
  int section = -1;
  for (int row = 0; row < Viewer().RowCount(); ++row) {
    if (Viewer().ColumnText(row, 1) == "enter section") section = row;
  }
  ASSERT_EQ(Viewer().Collapse(section), TGroupEdit::ceChanged);
  std::vector<std::string> lines;
  ForEachStep(Viewer(), [&](const TStepLine& line) {
    lines.push_back(std::to_string(line.Session) + " " + std::to_string(line.Number) + " " +
                    line.Text + (line.Collapsed ? " [collapsed]" : ""));
  });
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "0 0 App started on 2000-01-01 at 00:00:00",
                       "0 1 Message: one",
                       "0 0 Section \"hidden\" [collapsed]",
                       "0 0 session ended on 2000-01-01 at 00:00:00",
                       "1 0 App started on 2000-01-01 at 00:00:00",
                       "1 1 Message: three",
                       "1 0 session ended on 2000-01-01 at 00:00:00",
                   }));
  EXPECT_NE(Steps().find("Section \"hidden\" (collapsed in the viewer: its steps are left out)"),
            std::string::npos);
}

TEST_F(StepsReport, HtmlIsOneDocumentInWhichNoLogTextActsAsMarkup) {
  LogWriter(LogFile)
      .At(1000)
      .Start()
      .Message("<script>alert('x')</script> & \"quoted\"")
      .Enter("a\x1B[31m\x01 section")
      .Message(
          "Gr\xFC\xDF"
          "e, Grüße, \xC0\xAF")
      .Stop();
  Load();
  const std::string html = Exported(TStepsFormat::sfHtml);
  EXPECT_TRUE(
      html.starts_with("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">"));
  EXPECT_TRUE(html.ends_with("</body>\n</html>\n"));
  EXPECT_EQ(html.find("<script"), std::string::npos);
  EXPECT_EQ(html.find("src="), std::string::npos);
  EXPECT_EQ(html.find("http"), std::string::npos);
  EXPECT_NE(
      html.find(
          "Message: &lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;quoted&quot;"),
      std::string::npos);
  EXPECT_NE(html.find("Section &quot;a\xEF\xBF\xBD[31m\xEF\xBF\xBD section&quot;"),
            std::string::npos);
  // Stray bytes read as Latin-1; an overlong form is two stray bytes.
  EXPECT_NE(html.find("Message: Grüße, Grüße, \xC3\x80\xC2\xAF"), std::string::npos);
  EXPECT_NE(html.find("<h2>Session 1: App started on 2000-01-01 at 00:00:00</h2>"),
            std::string::npos);
  EXPECT_NE(html.find("@media print"), std::string::npos);
  for (const char c : html) EXPECT_TRUE(c == '\n' || static_cast<unsigned char>(c) >= 0x20);
  // Plain text keeps the bytes but no control character a terminal would act on.
  EXPECT_NE(Steps().find("Section \"a?[31m? section\""), std::string::npos);
}

TEST(HtmlText, EscapesMarkupAndRepairsTheEncoding) {
  EXPECT_EQ(HtmlText("a<b>&\"'"), "a&lt;b&gt;&amp;&quot;&#39;");
  EXPECT_EQ(HtmlText("tab\tline\r\nend"), "tab line  end");
  EXPECT_EQ(HtmlText(std::string("nul\0del\x7F", 8)),
            "nul\xEF\xBF\xBD"
            "del\xEF\xBF\xBD");
  EXPECT_EQ(HtmlText("\xC2\x85 \xE2\x82\xAC \xF0\x9F\x98\x80"),
            "\xEF\xBF\xBD \xE2\x82\xAC \xF0\x9F\x98\x80");
  EXPECT_EQ(HtmlText("\xED\xA0\x80"),
            "\xC3\xAD\xC2\xA0\xEF\xBF\xBD");                // a surrogate is no character
  EXPECT_EQ(HtmlText("\xE2\x82"), "\xC3\xA2\xEF\xBF\xBD");  // cut short at the end
}

TEST(StepTime, MinutesSecondsAndMillisecondsAndHoursFromAnHourOn) {
  EXPECT_EQ(StepTimeText(0), "0:00.000");
  EXPECT_EQ(StepTimeText(7250), "0:07.250");
  EXPECT_EQ(StepTimeText(754321), "12:34.321");
  EXPECT_EQ(StepTimeText(3599999), "59:59.999");
  EXPECT_EQ(StepTimeText(3600000), "1:00:00.000");
  EXPECT_EQ(StepTimeText(int64_t{100} * 3600000 + 1), "100:00:00.001");
  EXPECT_EQ(StepTimeText(-5), "-0:00.005");
}

TEST_F(StepsReport, TheFormatFollowsTheExtensionAndAFullDiskIsReported) {
  EXPECT_EQ(StepsFormatOf("a/steps.HTML"), TStepsFormat::sfHtml);
  EXPECT_EQ(StepsFormatOf("steps.htm"), TStepsFormat::sfHtml);
  EXPECT_EQ(StepsFormatOf("steps.txt"), TStepsFormat::sfText);
  EXPECT_EQ(StepsFormatOf("-"), TStepsFormat::sfText);
  LogWriter(LogFile).At(1000).Start().Message("m").Stop();
  Load();
  const std::string out = Dir.File("steps.html");
  ExportStepsToFile(Viewer(), TStepsFormat::sfHtml, out);
  const std::string html = Exported(TStepsFormat::sfHtml);
  EXPECT_EQ(ReadFileBytes(out), std::vector<uint8_t>(html.begin(), html.end()));
  try {
    ExportStepsToFile(Viewer(), TStepsFormat::sfText, "/dev/full");
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), "Cannot write file \"/dev/full\". No space left on device");
  }
  EXPECT_THROW(ExportStepsToFile(Viewer(), TStepsFormat::sfText, Dir.File("no/such/dir")),
               EInOutError);
}

}  // namespace
