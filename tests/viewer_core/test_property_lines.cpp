// The inspector's lines and how it follows the record list, letting go of records before the
// list frees them.

#include "log/builtin_events.h"
#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/property_lines.h"

// Readable lines in failure messages.
void PrintTo(const TPropertyLine& line, std::ostream* out) {
  *out << '"' << line.Property << "\" = \"" << line.Value << '"';
}

namespace {

// A record whose lines are chosen by the test: values holding "=", a line without "=", captions
// in mixed letter case and two lines of one caption.
class TInspectedEvent : public TLogEvent {
  LOG_EVENT_CLASS(TInspectedEvent, TLogEvent)
  TInspectedEvent() = default;
  std::string A, B, C, D, E;

  std::string GetPropAndValue(std::string_view name) const override {
    if (name == "A") return "zeta=1=2";
    if (name == "B") return "Alpha=";
    if (name == "C") return "beta";
    if (name == "D") return "dup=first";
    if (name == "E") return "dup=second";
    return {};
  }

  static const TLogEventClass& Define() {
    static constexpr TPropInfo kProperties[] = {
        FieldProperty<&TInspectedEvent::A>("A"), FieldProperty<&TInspectedEvent::B>("B"),
        FieldProperty<&TInspectedEvent::C>("C"), FieldProperty<&TInspectedEvent::D>("D"),
        FieldProperty<&TInspectedEvent::E>("E"),
    };
    static const TLogEventClass& cls = DefineLogEventClass<TInspectedEvent>({
        .Name = "TInspectedEvent",
        .Parent = &TLogEvent::StaticClass(),
        .OwnProperties = kProperties,
    });
    return cls;
  }
};
const TLogEventClass& TInspectedEvent::StaticClass() { return Define(); }

TEST(PropertyLines, SplitAtTheFirstEqualsSignAndSortIgnoringCaseKeepingTheRecordsOrder) {
  TInspectedEvent record;
  record.SetTickCount(7);
  EXPECT_EQ(PropertyLines(record), (std::vector<TPropertyLine>{{"Alpha", ""},
                                                               {"beta", ""},
                                                               {"dup", "first"},
                                                               {"dup", "second"},
                                                               {"EventName", "TInspectedEvent"},
                                                               {"TickCount", "7"},
                                                               {"zeta", "1=2"}}));
}

class Inspector : public ViewerFixture {
 protected:
  void SetUp() override {
    LogWriter(LogFile).Start().Message("first").Message("second").Stop();
    Viewer().Load(LogFile);
    Inspected.OnLinesChanged = [this] { ++Changes; };
  }
  std::vector<TPropertyLine> LinesOf(int row) { return PropertyLines(*Viewer().Record(row)); }

  TEventInspectorState Inspected{Viewer()};
  int Changes = 0;
};

TEST_F(Inspector, ShowsTheRowsRecordOnceAndNothingForARowOutsideTheView) {
  Inspected.ShowRow(1);
  ASSERT_NE(Inspected.Shown(), nullptr);
  EXPECT_EQ(Inspected.Lines(), LinesOf(1));
  EXPECT_EQ(Changes, 1);
  Inspected.ShowRow(1);  // the record shown already
  EXPECT_EQ(Changes, 1);

  Inspected.ShowRow(Viewer().RowCount());
  EXPECT_EQ(Inspected.Shown(), nullptr);
  EXPECT_TRUE(Inspected.Lines().empty());
  EXPECT_EQ(Changes, 2);
  Inspected.ShowRow(-1);
  EXPECT_EQ(Changes, 2);
}

TEST_F(Inspector, LetsGoOfItsRecordBeforeAReloadFreesIt) {
  Inspected.ShowRow(2);
  ASSERT_NE(Inspected.Shown(), nullptr);
  Viewer().Load(LogFile);
  EXPECT_EQ(Inspected.Shown(), nullptr);
  EXPECT_TRUE(Inspected.Lines().empty());
  EXPECT_EQ(Changes, 2);
  // The new records are shown afresh.
  Inspected.ShowRow(2);
  EXPECT_EQ(Inspected.Lines(), LinesOf(2));
  EXPECT_EQ(Changes, 3);
}

TEST_F(Inspector, StopsListeningWhenDestroyed) {
  {
    TEventInspectorState second(Viewer());
    second.ShowRow(1);
  }
  Inspected.ShowRow(1);
  Viewer().Load(LogFile);  // would reach the destroyed inspector if it still listened
  EXPECT_EQ(Inspected.Shown(), nullptr);
}

}  // namespace
