#pragma once
// Writes logs with a fixed clock and opens them in a record list over settings in a scratch
// folder; describes the visible rows compactly for comparisons.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"
#include "platform/datetime.h"
#include "platform/mmsystem.h"
#include "tests/support/scratch_dir.h"
#include "viewer/core/event_view.h"
#include "viewer/core/settings.h"

// 2000-01-01 00:00, when the logs of the tests were written.
inline constexpr TDateTime kWrittenAt = 36526.0;
// The viewer runs ten days later, so the logs lie inside its last 60 days.
inline constexpr TDateTime kViewedAt = kWrittenAt + 10;

// A span of milliseconds as a date-time difference, computed as the viewer computes it.
inline TDateTime Ms(int32_t milliseconds) { return milliseconds / 86400000.0; }

// Appends records to a log file; each record takes the tick count set last with At.
class LogWriter {
 public:
  explicit LogWriter(const std::string& fileName) { CreateLogStream(fileName, true); }
  ~LogWriter() { CloseLogStream(); }
  LogWriter(const LogWriter&) = delete;
  LogWriter& operator=(const LogWriter&) = delete;

  LogWriter& At(uint32_t tick) {
    SetFixedTickCount(tick);
    return *this;
  }
  LogWriter& Start() { return Add(std::make_unique<TStartSessionEvent>("App")); }
  LogWriter& Stop() { return Add(std::make_unique<TStopSessionEvent>()); }
  LogWriter& Enter(const std::string& name) {
    return Add(std::make_unique<TEnterSectionEvent>(name));
  }
  LogWriter& Leave(const std::string& name) {
    return Add(std::make_unique<TLeaveSectionEvent>(name));
  }
  LogWriter& Message(const std::string& text) {
    return Add(std::make_unique<TUserMessageEvent>(text));
  }
  LogWriter& Separator() { return Add(std::make_unique<TSeparatorEvent>()); }
  LogWriter& Add(std::unique_ptr<TLogEvent> record) {
    LogStream()->WriteEvent(std::move(record));
    return *this;
  }
};

// A filter standing in for the filter window.
struct FixedFilter : TViewFilter {
  bool IsEventShown(std::string_view className) const override { return className != HiddenClass; }
  TDateTime FilterFrom() const override { return From; }
  TDateTime FilterTo() const override { return To; }
  std::string HiddenClass;
  TDateTime From = -1e9;
  TDateTime To = 1e9;
};

class ViewerFixture : public ::testing::Test {
 protected:
  ViewerFixture() {
    SetFixedTickCount(1000);
    SetFixedNow(kWrittenAt);
  }
  ~ViewerFixture() override {
    CloseLogStream();
    SetFixedTickCount(std::nullopt);
    SetFixedNow(std::nullopt);
  }

  // The settings and the record list as the viewer has them at start.
  TEventView& Viewer() {
    if (!FView) {
      SetFixedNow(kViewedAt);
      Settings.Load();
      FView = std::make_unique<TEventView>(Settings);
      SetFixedNow(kWrittenAt);  // logs written later lie inside the viewer's bounds too
    }
    return *FView;
  }
  // Starts the viewer over again with the settings file as it stands.
  void RestartViewer() {
    FView.reset();
    Settings = TOXOptions(Dir.File("Oxlane.ini"));
  }

  // The visible rows: each as its level and a label, "1:hello", "0:start", "2:enter a",
  // "-1:---" for an inserted separator.
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    const TEventView& view = Viewer();
    for (int row = 0; row < view.RowCount(); ++row) {
      const TEventEntry& entry = view.View().Entry(row);
      rows.push_back(std::to_string(entry.Level) + ":" + Label(*view.Record(row), entry.Level));
    }
    return rows;
  }

  static std::string Label(const TLogEvent& record, int32_t level) {
    if (record.InheritsFrom(TStartSessionEvent::StaticClass())) return "start";
    if (record.InheritsFrom(TStopSessionEvent::StaticClass())) return "stop";
    if (record.InheritsFrom(TEnterSectionEvent::StaticClass())) return "enter " + record.AsString();
    if (record.InheritsFrom(TLeaveSectionEvent::StaticClass())) return "leave " + record.AsString();
    if (record.InheritsFrom(TSeparatorEvent::StaticClass())) return level < 0 ? "---" : "-";
    return record.AsString();
  }

  ScratchDir Dir;
  std::string LogFile = Dir.File("app.evt");
  TOXOptions Settings{Dir.File("Oxlane.ini")};

 private:
  std::unique_ptr<TEventView> FView;
};

using Rows = std::vector<std::string>;
