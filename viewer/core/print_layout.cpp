// Laying the visible rows out on pages: a title line, one band per row with its texts in three
// columns (the data wrapped when it is long), separator rows as lines, and "Page n" at the foot
// of every page.

#include "viewer/core/print_layout.h"

#include <algorithm>
#include <cstdint>

namespace {

// Gaps in the canvas's units: between bands, and at the right of the three columns.
constexpr int kBandGap = 5;
constexpr int kTimeGap = 20;
constexpr int kEventGap = 40;
constexpr int kDataGap = 60;
// The two lines of the separator after a session lie this far above and below the band's middle.
constexpr int kSessionEndAbove = 7;
constexpr int kSessionEndBelow = 1;

class TPageLayout {
 public:
  TPageLayout(const TEventView& view, const TOXOptions& settings, const std::array<int, 3>& columns,
              TPrintCanvas& canvas)
      : FView(view), FSettings(settings), FColumns(columns), FCanvas(canvas) {}

  void Print() {
    FCanvas.SetFont(FSettings.PrinterFont);
    FLineHeight = FCanvas.TextHeight("Wy", 0, TTextMode::tmSingleLine);
    FBand = FLineHeight + kBandGap;
    FCanvas.DrawText({0, 0, FCanvas.PageWidth(), FLineHeight}, FView.CurrentFile(),
                     TTextMode::tmSingleLine);
    FY = 2 * FBand;
    for (int row = 0; row < FView.RowCount(); ++row) {
      // A full page is ended only once another row needs room, so that no empty page ends the
      // document.
      if (FPageFull) EndPage();
      PrintRow(row);
      FY += FBand;
      FPageFull = FY + 3 * FBand > FCanvas.PageHeight();
    }
    DrawFooter();
  }

 private:
  void PrintRow(int row) {
    const TEventEntry& entry = FView.View().Entry(row);
    const TEventUIDefaults look = FSettings.GetAttributes(entry.Class->ClassName());
    if (FSettings.InColor) FCanvas.SetFontColor(look.Color);
    FCanvas.SetFontStyle(look.Bold, look.Italic);
    const TRowKind kind = FView.RowLook(row).Kind;
    if (kind == TRowKind::rkRecord) {
      PrintRecord(row);
    } else {
      const int middle = FY + FLineHeight / 2;
      if (kind == TRowKind::rkInsertedSeparator) {
        FCanvas.DrawHorizontalLine(middle - kSessionEndAbove);
        FCanvas.DrawHorizontalLine(middle + kSessionEndBelow);
      } else {
        FCanvas.DrawHorizontalLine(middle);
      }
    }
  }

  void PrintRecord(int row) {
    const int pageWidth = FCanvas.PageWidth();
    const std::string data = FView.ColumnText(row, 2);
    const int dataWidth = pageWidth - FColumns[0] - FColumns[1] - kDataGap;
    const int oneLine = FCanvas.TextHeight(data, dataWidth, TTextMode::tmSingleLine);
    const int wrapped = FCanvas.TextHeight(data, dataWidth, TTextMode::tmWordWrap);
    const bool wraps = wrapped != oneLine;
    // At least one line, so that the next row never moves up over this one; and no division by
    // zero for a canvas that gives a text no height.
    const int lines = wraps ? std::max(wrapped / std::max(oneLine, 1), 1) : 1;
    // A row that starts a page is printed there even when it is taller than the page.
    if (wraps && FY > 0 && FY + (lines + 2) * FBand > FCanvas.PageHeight()) EndPage();

    int x = 0;
    FCanvas.DrawText({x, FY, FColumns[0] - kTimeGap, FLineHeight}, FView.ColumnText(row, 0),
                     TTextMode::tmSingleLine);
    x += FColumns[0];
    FCanvas.DrawText({x, FY, FColumns[1] - kEventGap, FLineHeight}, FView.ColumnText(row, 1),
                     TTextMode::tmSingleLine);
    x += FColumns[1];
    if (wraps) {
      FCanvas.DrawText({x, FY, pageWidth - x - kDataGap, wrapped}, data, TTextMode::tmWordWrap);
      FY += (lines - 1) * FBand;
    } else {
      FCanvas.DrawText({x, FY, pageWidth - x - kDataGap, FLineHeight}, data,
                       TTextMode::tmSingleLine);
    }
  }

  void DrawFooter() {
    FCanvas.DrawText({0, FCanvas.PageHeight() - FBand, FCanvas.PageWidth(), FLineHeight},
                     "Page " + std::to_string(FCanvas.PageNumber()), TTextMode::tmCentered);
  }

  void EndPage() {
    DrawFooter();
    FCanvas.NewPage();
    FY = 0;
    FPageFull = false;
  }

  const TEventView& FView;
  const TOXOptions& FSettings;
  const std::array<int, 3>& FColumns;
  TPrintCanvas& FCanvas;
  int FLineHeight = 0;
  int FBand = 0;
  int FY = 0;
  bool FPageFull = false;
};

// Each printed column gets the whole percentage of the page that its list column has of the
// list's width. Without any width on screen (every column hidden or of no width) the three share
// the page equally; a negative width counts as none.
std::array<int, 3> PrintedColumns(const std::array<int, 3>& screen, int pageWidth) {
  int64_t total = 0;
  for (const int width : screen) total += std::max(width, 0);
  std::array<int, 3> printed{};
  for (size_t k = 0; k < printed.size(); ++k) {
    const int64_t percent = total > 0 ? std::max(screen[k], 0) * int64_t{100} / total : 100 / 3;
    printed[k] = static_cast<int>(percent * pageWidth / 100);
  }
  return printed;
}

}  // namespace

void PrintRows(const TEventView& view, const TOXOptions& settings,
               const std::array<int, 3>& screenColumnWidths, TPrintCanvas& canvas) {
  canvas.BeginDocument(view.CurrentFile());
  try {
    const std::array<int, 3> columns = PrintedColumns(screenColumnWidths, canvas.PageWidth());
    TPageLayout(view, settings, columns, canvas).Print();
  } catch (...) {
    canvas.EndDocument();
    throw;
  }
  canvas.EndDocument();
}
