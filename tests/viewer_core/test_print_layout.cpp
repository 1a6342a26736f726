// Printing the visible rows over a canvas of fixed metrics that records what is drawn: the title,
// the columns at whole percentages of the page, wrapped data, separators, page breaks, footers,
// colours and styles, and that the document is ended even when drawing fails.

#include <stdexcept>

#include "tests/viewer_core/viewer_fixture.h"
#include "viewer/core/print_layout.h"

namespace {

// Every character is 10 units wide and every line 10 high; a wrapped text breaks anywhere.
class RecordingCanvas : public TPrintCanvas {
 public:
  static constexpr int kLine = 10;

  int PageWidth() const override { return Width; }
  int PageHeight() const override { return Height; }
  int PageNumber() const override { return Page; }
  void BeginDocument(const std::string& title) override { Calls.push_back("begin " + title); }
  void EndDocument() override { Calls.push_back("end"); }
  void NewPage() override {
    ++Page;
    Calls.push_back("new page");
  }
  void SetFont(const TFontSettings& font) override {
    Calls.push_back("font " + font.Name + " " + std::to_string(font.Size));
  }
  void SetFontColor(TColor color) override { Calls.push_back("color " + IntToHex(color, 8)); }
  void SetFontStyle(bool bold, bool italic) override {
    Calls.push_back(std::string("style") + (bold ? " bold" : "") + (italic ? " italic" : ""));
  }
  int TextHeight(const std::string& text, int width, TTextMode mode) const override {
    if (mode != TTextMode::tmWordWrap || text.empty()) return kLine;
    const int perLine = std::max(width / 10, 1);
    return kLine * ((static_cast<int>(text.size()) + perLine - 1) / perLine);
  }
  void DrawText(const TPrintRect& rect, const std::string& text, TTextMode mode) override {
    if (text == FailOn) throw std::runtime_error("printer gone");
    static const char* const kModes[] = {"single", "wrap", "centred"};
    Calls.push_back(Format("text %d,%d %dx%d %s ", rect.Left, rect.Top, rect.Width, rect.Height,
                           kModes[static_cast<int>(mode)]) +
                    text);
  }
  void DrawHorizontalLine(int y) override { Calls.push_back("line " + std::to_string(y)); }

  // The calls of one kind ("text", "line", ...), in order.
  std::vector<std::string> Only(const std::string& kind) const {
    std::vector<std::string> calls;
    for (const std::string& call : Calls) {
      if (call.starts_with(kind)) calls.push_back(call);
    }
    return calls;
  }

  int Width = 1000;
  int Height = 300;
  int Page = 1;
  std::string FailOn = "\x01never";
  std::vector<std::string> Calls;
};

// Every row but the session records, whose texts carry the locale's date format.
struct WithoutSessionRows : FixedFilter {
  bool IsEventShown(std::string_view className) const override {
    return className != "TStartSessionEvent" && className != "TStopSessionEvent";
  }
};

class PrintLayout : public ViewerFixture {
 protected:
  void SetUp() override { Viewer().SetFilterWindow(&Filter); }

  // Each load reads a log of its own.
  void Load(const std::vector<std::string>& messages, bool separators = false) {
    LogWriter log(Dir.File("log" + std::to_string(++FLogs) + ".evt"));
    log.At(1000).Start();
    for (const std::string& text : messages) log.Message(text);
    if (separators) log.Separator().Stop();
    CloseLogStream();
    ASSERT_EQ(Viewer().Load(Dir.File("log" + std::to_string(FLogs) + ".evt")).Outcome,
              TLoadOutcome::loLoaded);
    Settings.SetDateTimeFormat("zzz");
  }
  void Print(std::array<int, 3> columns = {100, 100, 200}) {
    PrintRows(Viewer(), Settings, columns, Canvas);
  }

  WithoutSessionRows Filter;
  RecordingCanvas Canvas;

 private:
  int FLogs = 0;
};

TEST_F(PrintLayout, TitleColumnsAndFooterOfOnePage) {
  Load({"hello"});
  Print();
  const std::string& file = Viewer().CurrentFile();
  EXPECT_EQ(Canvas.Calls, (std::vector<std::string>{
                              "begin " + file,
                              "font MS Sans Serif 11",
                              "text 0,0 1000x10 single " + file,
                              "style",
                              // 25%, 25% and 50% of the page; the band starts at 2 * (10 + 5).
                              "text 0,30 230x10 single 000",
                              "text 250,30 210x10 single user message",
                              "text 500,30 440x10 single hello",
                              "text 0,285 1000x10 centred Page 1",
                              "end",
                          }));
}

TEST_F(PrintLayout, ColumnsAreWholePercentagesOfThePage) {
  Load({"x"});
  Print({1, 1, 1});
  EXPECT_EQ(Canvas.Only("text 330,")[0], "text 330,30 290x10 single user message");
  EXPECT_EQ(Canvas.Only("text 660,")[0], "text 660,30 280x10 single x");
  // No width on screen at all: the columns share the page alike rather than dividing by zero.
  Canvas.Calls.clear();
  Print({0, 0, 0});
  EXPECT_EQ(Canvas.Only("text 330,")[0], "text 330,30 290x10 single user message");
  // A negative width counts as none.
  Canvas.Calls.clear();
  Print({-50, 0, 50});
  EXPECT_EQ(Canvas.Only("text 0,30"),
            (std::vector<std::string>{"text 0,30 -20x10 single 000",
                                      "text 0,30 -40x10 single user message",
                                      "text 0,30 940x10 single x"}));
}

TEST_F(PrintLayout, SeparatorsAreLinesAtTheMiddleOfTheirBand) {
  Load({"a"}, true);
  Print();
  // Bands at 30 (the message), 45 (the separator record) and 60 (the end of the session), each
  // 10 high: one line at the middle, or two, 7 above and 1 below it.
  EXPECT_EQ(Canvas.Only("line"), (std::vector<std::string>{"line 50", "line 58", "line 66"}));
}

TEST_F(PrintLayout, FullPagesEndWithTheirNumberAndTheLastPageIsNotFollowedByAnEmptyOne) {
  // A page of 300 holds the rows from 30 down to 255: sixteen rows.
  Load(std::vector<std::string>(16, "row"));
  Print();
  EXPECT_TRUE(Canvas.Only("new page").empty());
  EXPECT_EQ(Canvas.Only("text 0,285"),
            (std::vector<std::string>{"text 0,285 1000x10 centred Page 1"}));

  Load(std::vector<std::string>(17 + 20, "row"));
  Canvas.Calls.clear();
  Canvas.Page = 1;
  Print();
  // Page 2 starts at the top and holds the rows from 0 to 255: eighteen rows, three are left.
  EXPECT_EQ(Canvas.Only("new page").size(), 2u);
  EXPECT_EQ(Canvas.Only("text 0,285"),
            (std::vector<std::string>{"text 0,285 1000x10 centred Page 1",
                                      "text 0,285 1000x10 centred Page 2",
                                      "text 0,285 1000x10 centred Page 3"}));
  const std::vector<std::string> times = Canvas.Only("text 0,");
  EXPECT_EQ(times[16], "text 0,255 230x10 single 000");
  EXPECT_EQ(times[17], "text 0,285 1000x10 centred Page 1");
  EXPECT_EQ(times[18], "text 0,0 230x10 single 000");
  EXPECT_EQ(Canvas.Calls.back(), "end");
}

TEST_F(PrintLayout, LongDataWrapsPushesTheNextRowsDownAndStartsANewPageWhenItWouldNotFit) {
  // 440 units hold 44 characters: 100 characters take three lines.
  const std::string longText(100, 'w');
  Load({"first", longText, "next"});
  Print();
  EXPECT_EQ(Canvas.Only("text 500,"),
            (std::vector<std::string>{"text 500,30 440x10 single first",
                                      "text 500,45 440x30 wrap " + longText,
                                      "text 500,90 440x10 single next"}));

  // Fourteen rows bring the band to 240: three lines and two bands more do not fit in 300.
  std::vector<std::string> messages(14, "row");
  messages.push_back(longText);
  messages.push_back("next");
  Load(messages);
  Canvas.Calls.clear();
  Print();
  const std::vector<std::string> data = Canvas.Only("text 500,");
  ASSERT_EQ(data.size(), 16u);
  EXPECT_EQ(data[13], "text 500,225 440x10 single row");
  EXPECT_EQ(data[14], "text 500,0 440x30 wrap " + longText);
  EXPECT_EQ(data[15], "text 500,45 440x10 single next");
  EXPECT_EQ(Canvas.Only("new page").size(), 1u);
}

TEST_F(PrintLayout, ARowTallerThanAPageIsPrintedWithoutEmptyPagesAroundIt) {
  const std::string hugeText(44 * 40, 'w');  // forty lines: taller than the page
  Load({hugeText, "after"});
  Canvas.Height = 300;
  Print();
  // It does not fit below the title, so it starts page 2; page 3 holds the row after it.
  EXPECT_EQ(Canvas.Only("text 500,"),
            (std::vector<std::string>{"text 500,0 440x400 wrap " + hugeText,
                                      "text 500,0 440x10 single after"}));
  EXPECT_EQ(Canvas.Only("new page").size(), 2u);
}

TEST_F(PrintLayout, OddMeasuresNeitherMoveRowsUpNorStopThePrinting) {
  // A canvas that measures some texts shorter wrapped than on one line, or of no height at all.
  struct OddCanvas : RecordingCanvas {
    int TextHeight(const std::string& text, int width, TTextMode mode) const override {
      if (text == "shorter") return mode == TTextMode::tmWordWrap ? 5 : kLine;
      if (text == "flat") return mode == TTextMode::tmWordWrap ? kLine : 0;
      return RecordingCanvas::TextHeight(text, width, mode);
    }
  } odd;
  Load({"shorter", "flat", "next"});
  PrintRows(Viewer(), Settings, {100, 100, 200}, odd);
  EXPECT_EQ(odd.Only("text 500,"), (std::vector<std::string>{"text 500,30 440x5 wrap shorter",
                                                             "text 500,45 440x10 wrap flat",
                                                             "text 500,195 440x10 single next"}));
}

TEST_F(PrintLayout, ColoursOnlyInColourButStylesAlways) {
  Load({"a"}, true);
  Settings.SetAttributes("TUserMessageEvent", {0x0000FF, true, false});
  Settings.SetAttributes("TSeparatorEvent", {0x00FF00, false, true});
  Print();
  EXPECT_TRUE(Canvas.Only("color").empty());
  EXPECT_EQ(Canvas.Only("style"),
            (std::vector<std::string>{"style bold", "style italic", "style italic"}));

  Settings.InColor = true;
  Canvas.Calls.clear();
  Print();
  EXPECT_EQ(Canvas.Only("color"),
            (std::vector<std::string>{"color 000000FF", "color 0000FF00", "color 0000FF00"}));
}

TEST_F(PrintLayout, TheDocumentEndsWhenDrawingFails) {
  Load({"a", "broken", "c"});
  Canvas.FailOn = "broken";
  EXPECT_THROW(Print(), std::runtime_error);
  EXPECT_EQ(Canvas.Calls.front().substr(0, 6), "begin ");
  EXPECT_EQ(Canvas.Calls.back(), "end");
  EXPECT_EQ(Canvas.Only("end").size(), 1u);
}

}  // namespace
