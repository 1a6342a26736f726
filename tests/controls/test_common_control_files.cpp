// The common controls in form files: their properties read in any order, written back as they
// are read, and bad values refused with the line they stand on.

#include "platform/vcl/form_files.h"
#include "tests/controls/common_controls_fixture.h"

namespace {

constexpr char kForm[] = R"(object MainForm: TForm
  Width = 500
  Height = 400
  object Views: TTabControl
    TabIndex = 1
    Tabs.Strings = (
      'Day'
      'Week')
  end
  object Pages: TPageControl
    Top = 80
    Width = 300
    Height = 200
    ActivePage = Details
    object General: TTabSheet
      Caption = 'General'
    end
    object Details: TTabSheet
      Caption = 'Details'
      TabVisible = False
    end
  end
  object Volume: TTrackBar
    Position = 15
    Max = 20
    Orientation = trVertical
  end
  object Copies: TEdit
    Text = '3'
  end
  object CopiesSpin: TUpDown
    Associate = Copies
    Position = 4
    Min = 1
    Wrap = True
  end
  object ShortcutBox: THotKey
    HotKey = 'ctrl+shift+a'
  end
  object Month: TMonthCalendar
    Date = '2026-12-09'
  end
  object Due: TDateTimePicker
    Date = '1850-06-01'
    Kind = dtkTime
    Time = '09:30:15'
  end
  object Strip: TPageScroller
    Width = 124
    Height = 30
    Control = Wide
    Orientation = soHorizontal
    Position = 250
    object Wide: TPanel
      Width = 400
    end
  end
  object Notes: TRichEdit
    Lines.Strings = (
      'First'
      'Second')
  end
end
)";

class CommonControlFilesTest : public CommonControlsTest {
 protected:
  static std::string ErrorOf(const std::string& text) {
    try {
      ReadComponentsText(text, "form.dfm");
    } catch (const EParserError& e) {
      return e.Message();
    }
    return "no error";
  }
  // The form with one line replaced.
  static std::string FormWith(const std::string& line, const std::string& replacement) {
    std::string text = kForm;
    text.replace(text.find(line), line.size(), replacement);
    return text;
  }
};

TEST_F(CommonControlFilesTest, EveryPropertyIsReadWhateverItsPlace) {
  auto roots = ReadComponentsText(kForm, "form.dfm");
  TComponent& form = *roots[0];
  auto find = [&form](const char* name) { return form.FindComponent(name); };
  auto& views = dynamic_cast<TTabControl&>(*find("Views"));
  EXPECT_EQ(views.TabIndex(), 1);  // given before its tabs
  auto& pages = dynamic_cast<TPageControl&>(*find("Pages"));
  EXPECT_EQ(pages.ActivePage(), find("Details"));
  EXPECT_EQ(pages.Tabs()->Text(), "General\n");
  EXPECT_EQ(pages.TabIndex(), -1);  // the active page has no tab
  auto& volume = dynamic_cast<TTrackBar&>(*find("Volume"));
  EXPECT_EQ(volume.Position(), 15);  // given before the range that holds it
  EXPECT_EQ(volume.Orientation(), trVertical);
  auto& spin = dynamic_cast<TUpDown&>(*find("CopiesSpin"));
  EXPECT_EQ(spin.Associate(), find("Copies"));
  EXPECT_EQ(spin.Position(), 4);
  EXPECT_EQ(dynamic_cast<TEdit&>(*find("Copies")).Text(), "4");
  EXPECT_EQ(dynamic_cast<THotKey&>(*find("ShortcutBox")).HotKey(), TextToShortCut("Shift+Ctrl+A"));
  EXPECT_EQ(dynamic_cast<TMonthCalendar&>(*find("Month")).DateTime(), EncodeDate(2026, 12, 9));
  auto& due = dynamic_cast<TDateTimePicker&>(*find("Due"));
  EXPECT_EQ(due.Kind(), dtkTime);
  EXPECT_EQ(due.DateText() + " " + due.TimeText(), "1850-06-01 09:30:15");
  auto& strip = dynamic_cast<TPageScroller&>(*find("Strip"));
  EXPECT_EQ(strip.Control(), find("Wide"));
  EXPECT_EQ(strip.Position(), 250);  // given before the child was known
  EXPECT_EQ(dynamic_cast<TRichEdit&>(*find("Notes")).Lines()->Count(), 2);
}

TEST_F(CommonControlFilesTest, WhatIsWrittenReadsBackTheSame) {
  auto roots = ReadComponentsText(kForm, "form.dfm");
  const std::string written = WriteComponentText(*roots[0]);
  for (const char* line : {"HotKey = 'Shift+Ctrl+A'", "Date = '2026-12-09'", "Time = '09:30:15'",
                           "ActivePage = Details", "Associate = Copies", "Control = Wide",
                           "TabIndex = 1", "TabVisible = False", "Orientation = trVertical"})
    EXPECT_NE(written.find(line), std::string::npos) << line << "\n" << written;
  auto again = ReadComponentsText(written, "written.dfm");
  EXPECT_EQ(WriteComponentText(*again[0]), written);
}

TEST_F(CommonControlFilesTest, BadValuesAreRefusedAtTheirLine) {
  EXPECT_EQ(ErrorOf(FormWith("TabIndex = 1", "TabIndex = 2")),
            "form.dfm(5): Views has no tab 2 (it has 2)");
  EXPECT_EQ(ErrorOf(FormWith("'ctrl+shift+a'", "'Ctrl+Hyper'")),
            "form.dfm(38): 'Ctrl+Hyper' is not a valid shortcut");
  EXPECT_EQ(ErrorOf(FormWith("'2026-12-09'", "'2026-02-30'")),
            "form.dfm(41): '2026-02-30' is not a valid date (yyyy-mm-dd)");
  EXPECT_EQ(ErrorOf(FormWith("'09:30:15'", "'9h30'")),
            "form.dfm(46): '9h30' is not a valid time (hh:nn:ss)");
  EXPECT_EQ(ErrorOf(FormWith("Control = Wide", "Control = Notes")),
            "form.dfm(51): Notes is not inside Strip");
  EXPECT_EQ(ErrorOf(FormWith("ActivePage = Details", "ActivePage = Copies")),
            "form.dfm(14): Property ActivePage needs a TTabSheet, and Copies is a TEdit");
}

TEST_F(CommonControlFilesTest, PositionsBeyondTheirRangeAreBroughtWithinIt) {
  auto roots = ReadComponentsText(FormWith("Position = 15", "Position = 99"), "form.dfm");
  EXPECT_EQ(dynamic_cast<TTrackBar&>(*roots[0]->FindComponent("Volume")).Position(), 20);
  roots = ReadComponentsText(FormWith("Position = 250", "Position = -7"), "form.dfm");
  EXPECT_EQ(dynamic_cast<TPageScroller&>(*roots[0]->FindComponent("Strip")).Position(), 0);
  roots = ReadComponentsText(FormWith("Position = 4", "Position = 4000000"), "form.dfm");
  EXPECT_EQ(dynamic_cast<TUpDown&>(*roots[0]->FindComponent("CopiesSpin")).Position(), 100);
}

}  // namespace
