// Exporting the visible rows: the exact bytes of both formats for texts that need care, the
// separator lines, and what the user hears when the file cannot be created or written.

#include <fstream>
#include <sstream>

#include "platform/sysutils.h"
#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/row_export.h"

namespace {

// Every row but the session records, whose texts carry the locale's date format.
struct WithoutSessionRows : FixedFilter {
  bool IsEventShown(std::string_view className) const override {
    return className != "TStartSessionEvent" && className != "TStopSessionEvent";
  }
};

class RowExport : public ViewerFixture {
 protected:
  void SetUp() override { Viewer().SetFilterWindow(&Filter); }

  // One session whose messages hold the texts, then a logged separator; the session's end adds
  // the inserted separator.
  void LoadMessages(const std::vector<std::string>& texts) {
    LogWriter log(LogFile);
    log.At(1000).Start();
    uint32_t tick = 1250;
    for (const std::string& text : texts) log.At(tick++).Message(text);
    log.Separator().Stop();
    CloseLogStream();
    ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
    Settings.SetDateTimeFormat("hh:nn:ss.zzz");
  }

  std::string Exported(TExportFormat format) {
    std::ostringstream out;
    ExportRows(Viewer(), format, out);
    return out.str();
  }

  WithoutSessionRows Filter;
  const std::string Equals = std::string(80, '=') + "\r\n";
  const std::string Dashes = std::string(80, '-') + "\r\n";
};

TEST_F(RowExport, TextJoinsTheTextsByTabsAndMarksBothSeparatorKinds) {
  LoadMessages({"plain", "a, b \"c\"", "line\r\nbreak\rand\nmore", "", "tab\there", "Grüße"});
  EXPECT_EQ(Exported(TExportFormat::efText),
            "00:00:00.250\tuser message\tplain\r\n"
            "00:00:00.251\tuser message\ta, b \"c\"\r\n"
            "00:00:00.252\tuser message\tline  break and more\r\n"
            "00:00:00.253\tuser message\t\r\n"
            "00:00:00.254\tuser message\ttab\there\r\n"
            "00:00:00.255\tuser message\tGrüße\r\n" +
                Dashes + Equals);
}

TEST_F(RowExport, CsvQuotesTextsWithBlanksQuotesOrCommasAndLeavesSeparatorsOut) {
  LoadMessages({"plain", "a,b", "say \"hi\"", "\"", "line\r\nbreak", "", "tab\there", "\x01",
                "Grüße", "caf\xC3\xA9\xA0"});
  EXPECT_EQ(Exported(TExportFormat::efCsv),
            "00:00:00.250,\"user message\",plain\r\n"
            "00:00:00.251,\"user message\",\"a,b\"\r\n"
            "00:00:00.252,\"user message\",\"say \"\"hi\"\"\"\r\n"
            "00:00:00.253,\"user message\",\"\"\"\"\r\n"
            "00:00:00.254,\"user message\",\"line  break\"\r\n"
            "00:00:00.255,\"user message\",\r\n"
            "00:00:00.256,\"user message\",\"tab\there\"\r\n"
            "00:00:00.257,\"user message\",\"\x01\"\r\n"
            "00:00:00.258,\"user message\",Grüße\r\n"
            "00:00:00.259,\"user message\",caf\xC3\xA9\xA0\r\n");
}

TEST_F(RowExport, OnlyVisibleRowsAreExported) {
  LogWriter(LogFile).At(1000).Start().Enter("group").Message("inside").Leave("group").Message(
      "after");
  CloseLogStream();
  ASSERT_EQ(Viewer().Load(LogFile).Outcome, TLoadOutcome::loLoaded);
  Settings.SetDateTimeFormat("zzz");
  ASSERT_EQ(Viewer().Collapse(0), TGroupEdit::ceChanged);
  EXPECT_EQ(Exported(TExportFormat::efText),
            "000\tenter section\tgroup\r\n"
            "000\tuser message\tafter\r\n");
  EXPECT_EQ(Exported(TExportFormat::efCsv),
            "000,\"enter section\",group\r\n"
            "000,\"user message\",after\r\n");
}

TEST_F(RowExport, AFileHoldsExactlyWhatTheStreamGetsAndReplacesWhatWasThere) {
  std::vector<std::string> texts;
  // Enough rows for several buffered writes.
  for (int i = 0; i < 5000; ++i) texts.push_back("row " + std::to_string(i) + std::string(40, 'x'));
  LoadMessages(texts);
  const std::string out = Dir.File("rows.csv");
  WriteTextFile(out, std::string(1000000, '?'));
  ExportRowsToFile(Viewer(), TExportFormat::efCsv, out);
  EXPECT_EQ(ReadTextFile(out), Exported(TExportFormat::efCsv));
}

TEST_F(RowExport, AFullDiskIsReportedWithTheFileAndTheReason) {
  LoadMessages({"one"});
  try {
    ExportRowsToFile(Viewer(), TExportFormat::efText, "/dev/full");
    FAIL() << "the write to a full device was taken for success";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), "Cannot write file \"/dev/full\". No space left on device");
  }
  std::ofstream full("/dev/full", std::ios::binary);
  ASSERT_TRUE(full.is_open());
  try {
    ExportRows(Viewer(), TExportFormat::efText, full);
    FAIL() << "the write to a full device was taken for success";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(), "Cannot write the exported rows. No space left on device");
  }
}

TEST_F(RowExport, AStreamThatFailedAlreadyIsNotTakenForSuccess) {
  LoadMessages({"one"});
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  EXPECT_THROW(ExportRows(Viewer(), TExportFormat::efText, out), EInOutError);
}

TEST_F(RowExport, AFileThatCannotBeCreatedIsReportedWithTheFileAndTheReason) {
  const std::string missingFolder = Dir.File("no such folder") + "/rows.txt";
  try {
    ExportRowsToFile(Viewer(), TExportFormat::efText, missingFolder);
    FAIL() << "no error for a file in a missing folder";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Message(),
              "Cannot create file \"" + missingFolder + "\". No such file or directory");
  }
}

TEST(ExportFormat, CsvOnlyForTheCsvExtensionInAnyLetterCase) {
  EXPECT_EQ(ExportFormatOf("/a.b/ROWS.CsV"), TExportFormat::efCsv);
  EXPECT_EQ(ExportFormatOf("rows.csv.bak"), TExportFormat::efText);
  EXPECT_EQ(ExportFormatOf("/data.csv/rows"), TExportFormat::efText);
  EXPECT_EQ(ExportFormatOf("-"), TExportFormat::efText);
}

}  // namespace
