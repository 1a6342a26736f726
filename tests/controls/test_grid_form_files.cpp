// Form files with grids and outlines: a string grid's texts as tab-separated rows, its options as
// a set, an outline's items as lines indented by tabs, and what a malformed text is refused for.

#include "platform/vcl/form_files.h"
#include "tests/controls/grids_fixture.h"

namespace {

constexpr char kGrids[] = R"(object Grids: TForm
  object Grid1: TStringGrid
    ColCount = 3
    RowCount = 4
    FixedCols = 0
    Options = [goFixedVertLine, goEditing]
    PasswordChar = '*'
    Rows = (
      'Name'#9'Age'
      'Alice'#9'42'#9'x'
      ''
      #9'37')
  end
  object Draw1: TDrawGrid
    DefaultColWidth = 30
    DefaultRowHeight = 12
  end
  object Outline1: TOutline
    Lines = (
      'Vehicles'
      #9'Cars'
      '  Coupe'
      'Boats')
  end
end
)";

class GridFormFilesTest : public GridsTest {
 protected:
  static std::pair<int, std::string> Refusal(const std::string& text) {
    try {
      ReadComponentsText(text, "grids.dfm");
    } catch (const EParserError& e) {
      return {e.Line(), e.Reason()};
    }
    ADD_FAILURE() << "accepted: " << text;
    return {};
  }
  static std::string Changed(const std::string& from, const std::string& to) {
    std::string text = kGrids;
    text.replace(text.find(from), from.size(), to);
    return text;
  }
};

TEST_F(GridFormFilesTest, ReadingFillsCellsOptionsAndItems) {
  auto components = ReadComponentsText(kGrids, "grids.dfm");
  TComponent& form = *components[0];
  auto& grid = dynamic_cast<TStringGrid&>(*form.FindComponent("Grid1"));
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.FixedCols(), 0);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.Options(), (TGridOptions{goFixedVertLine, goEditing}));
  EXPECT_EQ(grid.PasswordChar(), '*');
  EXPECT_EQ(grid.Cells(0, 0), "Name");
  EXPECT_EQ(grid.Cells(2, 1), "x");
  EXPECT_EQ(grid.Cells(0, 2), "");
  EXPECT_EQ(grid.Cells(1, 3), "37");
  auto& draw = dynamic_cast<TDrawGrid&>(*form.FindComponent("Draw1"));
  EXPECT_EQ(draw.DefaultColWidth(), 30);
  EXPECT_EQ(draw.Options(), kDefaultGridOptions);
  auto& outline = dynamic_cast<TOutline&>(*form.FindComponent("Outline1"));
  ASSERT_EQ(outline.ItemCount(), 4);
  EXPECT_EQ(outline.Items(3)->Level(), 3);
  EXPECT_EQ(outline.Items(4)->Level(), 1);
}

TEST_F(GridFormFilesTest, WritingStoresWhatReadsBackIntoTheSame) {
  auto components = ReadComponentsText(kGrids, "grids.dfm");
  const std::string written = WriteComponentText(*components[0]);
  for (const char* passage : {
           "    Options = [goFixedVertLine, goEditing]\n    PasswordChar = '*'\n",
           "    Rows = (\n      'Name'#9'Age'\n      'Alice'#9'42'#9'x'\n      ''\n      #9'37')\n",
           "    Lines = (\n      'Vehicles'\n      #9'Cars'\n      #9#9'Coupe'\n      'Boats')\n",
       })
    EXPECT_NE(written.find(passage), std::string::npos) << passage << "\nin\n" << written;
  EXPECT_EQ(written.find("ColCount = 5"), std::string::npos);  // defaults are not stored
  EXPECT_EQ(written.find("TabOrder = -1"), std::string::npos);
  components.clear();
  auto again = ReadComponentsText(written, "written.dfm");
  EXPECT_EQ(WriteComponentText(*again[0]), written);
}

TEST_F(GridFormFilesTest, MalformedSizesRowsAndLinesAreRefusedWhereTheyStand) {
  struct Case {
    std::string text;
    int line;
    std::string reason;
  };
  const Case cases[] = {
      {Changed("    FixedCols = 0", "    FixedCols = 3"), 5,
       "Fixed column count must be less than column count (3 fixed of 3 columns)"},
      {Changed("    DefaultRowHeight = 12", "    FixedRows = 5"), 16,
       "Fixed row count must be less than row count (5 fixed of 5 rows)"},
      {Changed("      #9'37')", "      #9'37'\n      'extra')"), 13,
       "Grid1 has 4 rows, but Rows gives a line for row 4 (set RowCount first)"},
      {Changed("'Alice'#9'42'#9'x'", "'Alice'#9'42'#9'x'#9'y'"), 10,
       "Grid1 has 3 columns, but row 1 of Rows has 4 cells (set ColCount first)"},
      {Changed("    Options = [goFixedVertLine, goEditing]", "    Options = [goEdit]"), 6,
       "Invalid value goEdit for property Options"},
      {Changed("      '  Coupe'", "      #9#9#9'Coupe'"), 22,
       "The outline item 'Coupe' is indented 2 levels below the one before it; one level at most"},
  };
  for (const Case& c : cases) {
    const auto [line, reason] = Refusal(c.text);
    EXPECT_EQ(line, c.line) << c.reason;
    EXPECT_EQ(reason, c.reason);
  }
}

// Rows refused leave the texts as they were.
TEST_F(GridFormFilesTest, RowsAreCheckedBeforeAnythingChanges) {
  auto* grid = Make<TStringGrid>(form, "Grid2", {0, 0, 100, 100});
  grid->SetRowLines({"a\tb"});
  EXPECT_THROW(grid->SetRowLines({"c", "", "", "", "", "too many"}), ELineError);
  EXPECT_THROW(grid->SetRowLines({"c\t\t\t\t\td"}), ELineError);
  EXPECT_EQ(grid->RowLines(), std::vector<std::string>{"a\tb"});
  grid->SetRowLines({});
  EXPECT_EQ(grid->Cells(0, 0), "");
}

}  // namespace
