// Logs that are empty, foreign, cut short, damaged byte by byte or hold unknown classes: the
// viewer shows what it can read and every operation on the rows keeps working.

#include <algorithm>

#include "tests/support/test_records.h"
#include "tests/viewer_core/crafted_logs.h"

namespace {

class BadInput : public ViewerFixture {
 protected:
  void SetUp() override { Viewer().SetFilterWindow(&Everything); }

  // Loads the file and uses every row as the window does: texts, looks, selection, status
  // texts, Next, collapsing and expanding, filtering, and what is remembered on closing.
  TLoadOutcome LoadAndWalk(const std::string& bytes) {
    WriteTextFile(LogFile, bytes);
    const TLoadOutcome outcome = Viewer().Load(LogFile).Outcome;
    TEventView& view = Viewer();
    for (int row = 0; row < view.RowCount(); ++row) {
      view.RowTexts(row);
      view.RowLook(row);
      view.Select(row);
      view.SessionPositionText();
      view.FindSameClass(1);
    }
    for (int row = 0; row < view.RowCount(); ++row) view.Toggle(row);
    for (int row = view.RowCount() - 1; row >= 0; --row) view.Toggle(row);
    view.RebuildView(true);
    view.CountsText();
    view.StoreLastLog();
    return outcome;
  }

  FixedFilter Everything;
};

TEST_F(BadInput, AnEmptyFileAndForeignBytesAreNoLog) {
  EXPECT_EQ(LoadAndWalk(""), TLoadOutcome::loNotALog);
  EXPECT_EQ(LoadAndWalk(RandomRecords(7, 50).substr(1)), TLoadOutcome::loNotALog);
  EXPECT_EQ(Viewer().RowCount(), 0);
  EXPECT_EQ(Viewer().CurrentFile(), "");
}

TEST_F(BadInput, ASignatureAloneIsAnEmptyLog) {
  EXPECT_EQ(LoadAndWalk(std::string(std::begin(kLogSignature), std::end(kLogSignature))),
            TLoadOutcome::loLoaded);
  EXPECT_EQ(Viewer().CountsText(), " 0 Events in 0 Sessions, 0 Visible ");
  EXPECT_EQ(Settings.LastLog.TickCount, -1);
}

TEST_F(BadInput, RandomRecordsAreReadUpToTheirDamage) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    EXPECT_NE(LoadAndWalk(RandomRecords(seed, 60)), TLoadOutcome::loNotALog) << seed;
    EXPECT_EQ(LogStream(), nullptr) << seed;
  }
}

TEST_F(BadInput, ALogCutAnywhereShowsTheRecordsBeforeTheCut) {
  WriteMixedLog(LogFile);
  const std::string whole = ReadTextFile(LogFile);
  ASSERT_EQ(LoadAndWalk(whole), TLoadOutcome::loLoaded);
  const size_t allRecords = Viewer().Records().size();
  size_t previous = 0;
  for (size_t length = 0; length < whole.size(); ++length) {
    const TLoadOutcome outcome = LoadAndWalk(whole.substr(0, length));
    EXPECT_EQ(outcome == TLoadOutcome::loNotALog, length < std::size(kLogSignature)) << length;
    const size_t records = Viewer().Records().size();
    EXPECT_GE(records, previous) << length;
    EXPECT_LE(records, allRecords) << length;
    previous = records;
  }
}

TEST_F(BadInput, EveryDamagedByteStillOpens) {
  WriteMixedLog(LogFile);
  const std::string whole = ReadTextFile(LogFile);
  for (size_t offset = std::size(kLogSignature); offset < whole.size(); ++offset) {
    for (const char damage : {'\x00', '\x7F', '\xFF'}) {
      std::string bytes = whole;
      bytes[offset] = damage;
      EXPECT_NE(LoadAndWalk(bytes), TLoadOutcome::loNotALog) << offset;
    }
  }
}

TEST_F(BadInput, RecordsOfAnUnknownClassAreShownByTheirWritersName) {
  TLogStream::RegisterProxyClass(TTestProxy::StaticClass());
  LogWriter(Dir.File("foreign.evt"))
      .Start()
      .Add(std::make_unique<TClickEvent>("Form.OK", "OK", 3))
      .Message("after")
      .Stop();
  TLogStream::UnregisterProxyClass(TTestProxy::StaticClass());
  ASSERT_EQ(LoadAndWalk(ReadTextFile(Dir.File("foreign.evt"))), TLoadOutcome::loLoaded);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "1:TClickEvent", "1:after", "0:stop", "-1:---"}));
}

}  // namespace
