// A recording's session records, markers, restarts and failures.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QFileInfo>
#include <filesystem>

#include "log/builtin_events.h"
#include "log/tracebook_error.h"
#include "tests/qvqt/recording_fixture.h"

using ::testing::ElementsAre;

using SessionTest = RecordingFixture;

TEST_F(SessionTest, ASessionIsFramedByItsStartAndEndAndHoldsTheMarkers) {
  StartQtRecording(LogFile(), "orders 1.0");
  EXPECT_TRUE(IsQtRecording());
  LogQtSectionEvent("Saving", true);
  LogQtUserMessage("saved 3 orders");
  LogQtSeparator();
  LogQtSectionEvent("Saving", false);
  StopQtRecording();
  EXPECT_FALSE(IsQtRecording());

  const auto records = ReadLog();
  EXPECT_THAT(ClassNames(),
              ElementsAre("TStartSessionEvent", "TEnterSectionEvent", "TUserMessageEvent",
                          "TSeparatorEvent", "TLeaveSectionEvent", "TStopSessionEvent"));
  EXPECT_EQ(static_cast<const TStartSessionEvent&>(*records[0]).Identifier(), "orders 1.0");
  EXPECT_EQ(static_cast<const TUserMessageEvent&>(*records[2]).Message(), "saved 3 orders");
  EXPECT_EQ(static_cast<const TSectionEvent&>(*records[4]).Name(), "Saving");
}

TEST_F(SessionTest, ASecondRecordingAppendsItsSessionAndAStartWhileRecordingRestarts) {
  StartQtRecording(LogFile(), "first");
  StopQtRecording();
  StartQtRecording(LogFile(), "second");
  StartQtRecording(LogFile(), "third");
  StopQtRecording();

  EXPECT_THAT(ClassNames(),
              ElementsAre("TStartSessionEvent", "TStopSessionEvent", "TStartSessionEvent",
                          "TStopSessionEvent", "TStartSessionEvent", "TStopSessionEvent"));
}

TEST_F(SessionTest, StoppingWithoutARecordingIsHarmlessAndMarkersAreRefused) {
  StopQtRecording();
  EXPECT_FALSE(IsQtRecording());
  EXPECT_THROW(LogQtUserMessage("nobody listens"), ETracebookError);
  EXPECT_THROW(LogQtSectionEvent("Saving", true), ETracebookError);
  EXPECT_THROW(LogQtSeparator(), ETracebookError);
}

TEST_F(SessionTest, ALogThatCannotBeOpenedLeavesNoRecordingBehind) {
  const std::string missingFolder = Scratch.File("no/such/folder/qt.evt");
  EXPECT_ANY_THROW(StartQtRecording(missingFolder, "tests"));
  EXPECT_FALSE(IsQtRecording());

  WriteTextFile(LogFile(), "not a log at all");
  EXPECT_THROW(StartQtRecording(LogFile(), "tests"), ETracebookError);
  EXPECT_FALSE(IsQtRecording());
  // The failed starts closed what they opened: a good log records again.
  std::filesystem::remove(LogFile());
  StartQtRecording(LogFile(), "tests");
  EXPECT_TRUE(IsQtRecording());
}

TEST_F(SessionTest, TheApplicationQuittingEndsTheSession) {
  StartQtRecording(LogFile(), "tests");
  ASSERT_TRUE(QMetaObject::invokeMethod(QCoreApplication::instance(), "aboutToQuit"));
  EXPECT_FALSE(IsQtRecording());
  EXPECT_THAT(ClassNames(), ElementsAre("TStartSessionEvent", "TStopSessionEvent"));
}

TEST_F(SessionTest, AnEmptyNameMeansTheProgramsFolderAndName) {
  const std::filesystem::path expected =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
      (QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString() +
       ".evt");
  std::filesystem::remove(expected);
  StartQtRecording("", "tests");
  StopQtRecording();
  EXPECT_TRUE(std::filesystem::exists(expected));
  std::filesystem::remove(expected);
}
