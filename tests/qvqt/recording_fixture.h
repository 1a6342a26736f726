#pragma once
// A window under recording: a test builds its widgets in Window, starts recording, drives them
// with Qt Test, stops, and reads the log back class by class.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "log/log_lifecycle.h"
#include "log/log_stream.h"
#include "qvqt/qt_recording.h"
#include "tests/support/scratch_dir.h"

class RecordingFixture : public ::testing::Test {
 protected:
  void TearDown() override { StopQtRecording(); }

  // Shows the window, makes it the active one and starts recording.
  void ShowAndRecord() {
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    StartQtRecording(LogFile(), "tests");
  }

  std::string LogFile() const { return Scratch.File("qt.evt"); }

  // Every record of the log, session records included.
  std::vector<std::unique_ptr<TLogEvent>> ReadLog() const {
    auto file = OpenLogFileForReading(LogFile());
    TLogStream reader(*file);
    std::vector<std::unique_ptr<TLogEvent>> records;
    while (auto record = reader.ReadEvent()) records.push_back(std::move(record));
    return records;
  }

  // Stops recording and keeps the records of class T, in the order of the log.
  template <typename T>
  std::vector<std::unique_ptr<T>> Recorded() {
    StopQtRecording();
    std::vector<std::unique_ptr<T>> kept;
    for (auto& record : ReadLog()) {
      if (&record->ClassType() == &T::StaticClass()) {
        kept.emplace_back(static_cast<T*>(record.release()));
      }
    }
    return kept;
  }

  // Names of the classes of all records, in the order of the log.
  std::vector<std::string> ClassNames() const {
    std::vector<std::string> names;
    for (const auto& record : ReadLog()) names.push_back(record->ClassName());
    return names;
  }

  ScratchDir Scratch;
  QWidget Window;
};
