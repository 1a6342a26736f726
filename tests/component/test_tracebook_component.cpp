// The log component: its filter lines, start and stop rules, events, and how form files store it
// and start it.

#include <gtest/gtest.h>

#include "capture/tracebook_component.h"
#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"
#include "platform/vcl/form_files.h"
#include "tests/support/capture_fixture.h"

namespace {

int ErrorId(const std::function<void()>& action) {
  try {
    action();
  } catch (const ETracebookError& e) {
    return e.MessageId();
  }
  return 0;
}

class Component : public CaptureFixture {
 protected:
  void SetUp() override {
    CaptureFixture::SetUp();
    TLogStream::RegisterProxyClass(TRecordingProxy<0>::StaticClass());
  }
  void TearDown() override {
    CaptureFixture::TearDown();
    TLogStream::UnregisterProxyClass(TRecordingProxy<0>::StaticClass());
  }

  // A component in code, logging to the scratch folder.
  TKDTracebook& NewComponent() {
    owned.push_back(std::make_unique<TKDTracebook>(nullptr));
    owned.back()->SetFilename(LogFile());
    owned.back()->SetApplicationID("Host");
    return *owned.back();
  }
  std::string FormText(const std::string& body) const {
    return "object Form1: TForm\n  object Tracebook1: TKDTracebook\n    Filename = '" + LogFile() +
           "'\n" + body + "  end\nend\n";
  }

  std::vector<std::unique_ptr<TKDTracebook>> owned;
};

TEST_F(Component, ANewComponentLogsEveryRegisteredRecordClass) {
  const TKDTracebook& tracebook = NewComponent();
  const TStrings& lines = *tracebook.LogEvents();
  EXPECT_GE(lines.IndexOf("TProbeEvent=1"), 0);
  for (int i = 0; i < lines.Count(); ++i) {
    EXPECT_TRUE(lines.Get(i).ends_with("=1")) << lines.Get(i);
    EXPECT_FALSE(lines.Get(i).starts_with("TStringPool")) << lines.Get(i);
  }
  EXPECT_TRUE(tracebook.AutoStart());
  EXPECT_EQ(tracebook.Version(), "1.04");
}

TEST_F(Component, FilterLinesReadOnlyTheCharacterAfterTheFirstEquals) {
  TKDTracebook& tracebook = NewComponent();
  TStringList lines;
  lines.SetText("TProbeEvent=0\n");
  tracebook.SetLogEvents(lines);
  EXPECT_FALSE(LogEventEnabled("TProbeEvent"));
  for (const char* included : {"TProbeEvent=", "TProbeEvent=x", "TProbeEvent=10=0"}) {
    ExcludeLogEvent("TProbeEvent");
    lines.SetText(included);
    tracebook.SetLogEvents(lines);
    EXPECT_TRUE(LogEventEnabled("TProbeEvent")) << included;
  }
  // A line without "=" is dropped; one naming an unknown class stays.
  lines.SetText("TProbeEvent\nTGoneEvent=0\n");
  tracebook.SetLogEvents(lines);
  EXPECT_EQ(tracebook.LogEvents()->Text(), "TGoneEvent=0\n");
}

TEST_F(Component, EditingTheLinesInPlaceTakesEffectAtTheNextStart) {
  TKDTracebook& tracebook = NewComponent();
  tracebook.LogEvents()->SetText("TProbeEvent=0\n");
  EXPECT_TRUE(LogEventEnabled("TProbeEvent"));
  tracebook.Start();
  EXPECT_FALSE(LogEventEnabled("TProbeEvent"));
  EXPECT_FALSE(tracebook.IncludeEvent("TProbeEvent"));
  tracebook.SetIncludeEvent("TProbeEvent", true);
  EXPECT_TRUE(LogEventEnabled("TProbeEvent"));
}

TEST_F(Component, StartingWhileLoggingAndChangingTheLogFailWithAlreadyOpen) {
  TKDTracebook& tracebook = NewComponent();
  tracebook.Start();
  EXPECT_TRUE(tracebook.Started());
  EXPECT_EQ(ErrorId([&] { tracebook.Start(); }), log_strings::SLogAlreadyOpen);
  EXPECT_EQ(ErrorId([&] { tracebook.SetFilename("other.evt"); }), log_strings::SLogAlreadyOpen);
  EXPECT_EQ(ErrorId([&] { tracebook.SetApplicationID("Other"); }), log_strings::SLogAlreadyOpen);
  EXPECT_EQ(tracebook.Filename(), LogFile());
  EXPECT_EQ(tracebook.ApplicationID(), "Host");
  tracebook.SetFilename(LogFile());  // the same value is accepted
  tracebook.SetStarted(true);        // so is setting what already holds

  // Another component sees the same, process-wide log.
  TKDTracebook& second = *owned.emplace_back(std::make_unique<TKDTracebook>(nullptr));
  EXPECT_TRUE(second.Started());
  EXPECT_EQ(ErrorId([&] { second.Start(); }), log_strings::SLogAlreadyOpen);
  tracebook.SetStarted(false);
  tracebook.Stop();
  EXPECT_FALSE(second.Started());

  StartEventLog(LogFile(), "Direct");
  EXPECT_EQ(ErrorId([&] { tracebook.Start(); }), log_strings::SLogAlreadyOpen);
  StopEventLog();
  EXPECT_EQ(ClassNames(ReadLogFile(LogFile())),
            (std::vector<std::string>{"TStartSessionEvent", "TStopSessionEvent",
                                      "TStartSessionEvent", "TStopSessionEvent"}));
}

TEST_F(Component, MarkersNeedARunningLogAndDestroyingTheComponentStopsIt) {
  TKDTracebook& tracebook = NewComponent();
  EXPECT_EQ(ErrorId([&] { tracebook.LogSeparator(); }), log_strings::SLogNotOpen);
  tracebook.Start();
  tracebook.EnterSection("Save");
  tracebook.LogUserMessage("saving");
  tracebook.LogSeparator();
  tracebook.LeaveSection("Save");
  owned.clear();
  EXPECT_FALSE(IsLogStarted());
  EXPECT_EQ(
      ClassNames(ReadLogFile(LogFile())),
      (std::vector<std::string>{"TStartSessionEvent", "TEnterSectionEvent", "TUserMessageEvent",
                                "TSeparatorEvent", "TLeaveSectionEvent", "TStopSessionEvent"}));
}

TEST_F(Component, DestroyingTheComponentStopsTheLogAlsoWhenOnStopLogFails) {
  TKDTracebook& tracebook = NewComponent();
  tracebook.SetOnStopLog([](TObject*) { throw Exception("handler failed"); });
  tracebook.Start();
  EXPECT_THROW(tracebook.Stop(), Exception);  // a direct Stop reports the handler's failure
  owned.clear();
  EXPECT_FALSE(IsLogStarted());
  EXPECT_EQ(ClassNames(ReadLogFile(LogFile())),
            (std::vector<std::string>{"TStartSessionEvent", "TStopSessionEvent"}));
}

TEST_F(Component, TheEventsSeeTheLogOpen) {
  TKDTracebook& tracebook = NewComponent();
  tracebook.LogEvents()->SetText("TProbeEvent=0\n");
  std::vector<std::string> seen;
  tracebook.SetOnStartLog([&](TObject* sender) {
    EXPECT_EQ(sender, &tracebook);
    EXPECT_FALSE(LogEventEnabled("TProbeEvent"));  // the filter is in place
    tracebook.LogUserMessage("started");
    seen.push_back("start");
  });
  tracebook.SetOnStopLog([&](TObject*) {
    EXPECT_TRUE(tracebook.Started());
    tracebook.LogUserMessage("stopping");
    seen.push_back("stop");
  });
  tracebook.Start();
  tracebook.Stop();
  tracebook.Stop();  // not started: no event
  EXPECT_EQ(seen, (std::vector<std::string>{"start", "stop"}));
  const TRecords records = ReadLogFile(LogFile());
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[1]->AsString(), "started");
  EXPECT_EQ(records[2]->AsString(), "stopping");
}

TEST_F(Component, FormFilesStoreOnlyWhatDiffersFromTheDefaults) {
  TForm form(nullptr);
  form.SetName("Form1");
  auto* tracebook = new TKDTracebook(&form);
  tracebook->SetName("Tracebook1");
  tracebook->LogEvents()->SetText("TProbeEvent=0\nTGoneEvent=1\n");
  std::string text = WriteComponentText(form);
  EXPECT_EQ(text.find("AutoStart"), std::string::npos);
  EXPECT_EQ(text.find("Version"), std::string::npos);
  EXPECT_EQ(text.find("ApplicationID"), std::string::npos);
  EXPECT_NE(text.find("    LogEvents.Strings = (\n      'TProbeEvent=0'\n      'TGoneEvent=1')\n"),
            std::string::npos);

  tracebook->SetAutoStart(false);
  tracebook->SetApplicationID("Orders");
  tracebook->LogEvents()->Clear();
  text = WriteComponentText(form);
  EXPECT_NE(text.find("AutoStart = False"), std::string::npos);
  EXPECT_NE(text.find("ApplicationID = 'Orders'"), std::string::npos);
  EXPECT_EQ(text.find("LogEvents"), std::string::npos);

  // Read back, an emptied filter is the default one again.
  auto roots = ReadComponentsText(text);
  auto& read = dynamic_cast<TKDTracebook&>(*roots[0]->FindComponent("Tracebook1"));
  EXPECT_FALSE(read.AutoStart());
  EXPECT_EQ(read.ApplicationID(), "Orders");
  EXPECT_GE(read.LogEvents()->IndexOf("TProbeEvent=1"), 0);
  EXPECT_FALSE(IsLogStarted());
}

TEST_F(Component, LoadingAFormStartsTheLogWithTheStoredFilter) {
  auto roots =
      ReadComponentsText(FormText("    ApplicationID = 'Orders'\n    Version = '9.9'\n"
                                  "    LogEvents.Strings = (\n      'TProbeEvent=0')\n"));
  EXPECT_TRUE(IsLogStarted());
  EXPECT_FALSE(LogEventEnabled("TProbeEvent"));
  auto& tracebook = dynamic_cast<TKDTracebook&>(*roots[0]->FindComponent("Tracebook1"));
  EXPECT_EQ(tracebook.LogEvents()->Text(), "TProbeEvent=0\n");
  EXPECT_EQ(tracebook.Version(), "1.04");
  roots.clear();  // the component goes with its form and stops the log
  const TRecords records = ReadLogFile(LogFile());
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(dynamic_cast<TStartSessionEvent&>(*records[0]).Identifier(), "Orders");
}

TEST_F(Component, NothingStartsWithoutAutoStartOrInTheDesigner) {
  auto roots = ReadComponentsText(FormText("    AutoStart = False\n"));
  EXPECT_FALSE(IsLogStarted());

  roots = ReadComponentsText(FormText(""), {},
                             [](TComponent& component) { component.SetDesigning(true); });
  EXPECT_FALSE(IsLogStarted());
  auto& designed = dynamic_cast<TKDTracebook&>(*roots[0]->FindComponent("Tracebook1"));
  designed.SetStarted(true);
  EXPECT_FALSE(designed.Started());
  EXPECT_FALSE(FileExists(LogFile()));
}

TEST_F(Component, ASecondAutoStartFailsWhileTheFirstLogRuns) {
  NewComponent().Start();
  const std::string text = "object Form1: TForm\n  object Tracebook1: TKDTracebook\n  end\nend\n";
  EXPECT_EQ(ErrorId([&] { ReadComponentsText(text); }), log_strings::SLogAlreadyOpen);
  // The failed form is discarded, and destroying any instance stops the process's log.
  EXPECT_FALSE(IsLogStarted());
}

}  // namespace
