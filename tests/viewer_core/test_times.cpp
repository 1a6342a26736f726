// Times of records relative to their session's start.

#include "tests/viewer_core/viewer_fixture.h"

namespace {

using Times = ViewerFixture;

TEST_F(Times, ARecordIsTimedFromItsSessionsStartAcrossAWrappedTickCounter) {
  LogWriter(LogFile).At(0xFFFFF000u).Start().At(0x00000800u).Message("after the wrap").Stop();
  Viewer().Load(LogFile);
  EXPECT_NEAR(Viewer().TimeOf(0), kWrittenAt, 1e-9);
  EXPECT_NEAR(Viewer().TimeOf(1), kWrittenAt + Ms(0x1800), 1e-9);
}

TEST_F(Times, EachSessionHasItsOwnBeginTimeAndStartTick) {
  LogWriter(LogFile).At(5000).Start().At(6000).Message("a").Stop();
  SetFixedNow(kWrittenAt + 1);
  LogWriter(LogFile).At(100).Start().At(350).Message("b").Stop();
  Viewer().Load(LogFile);
  EXPECT_NEAR(Viewer().TimeOf(1), kWrittenAt + Ms(1000), 1e-9);
  EXPECT_NEAR(Viewer().TimeOf(5), kWrittenAt + 1 + Ms(250), 1e-9);
}

TEST_F(Times, AnInsertedSeparatorLiesAtTheMomentTheTickCounterStarted) {
  LogWriter(LogFile).At(60000).Start().Stop();
  Viewer().Load(LogFile);
  EXPECT_NEAR(Viewer().TimeOf(2), kWrittenAt - Ms(60000), 1e-9);
}

TEST_F(Times, AnInsertedSeparatorNeverLiesAfterItsSessionsStart) {
  // The recording machine had been up for about 35 days: its tick count lies beyond the signed
  // range, and a signed difference would put the separator 15 days into the future.
  LogWriter(LogFile).At(3'000'000'000u).Start().Stop();
  Viewer().Load(LogFile);
  EXPECT_NEAR(Viewer().TimeOf(2), kWrittenAt - 3e9 / 86400000.0, 1e-9);
  EXPECT_EQ(Rows(), (::Rows{"0:start", "0:stop", "-1:---"}));  // inside the last 60 days
}

TEST_F(Times, TheTimeTextUsesTheSettingsFormat) {
  LogWriter(LogFile).At(1000).Start().At(3500).Message("a").Stop();
  Viewer();
  Settings.SetDateTimeFormat("yyyy-mm-dd hh:nn:ss.zzz");
  Viewer().Load(LogFile);
  EXPECT_EQ(Viewer().RowTexts(1).Time, "2000-01-01 00:00:02.500");
}

}  // namespace
