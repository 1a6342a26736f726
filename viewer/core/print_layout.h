#pragma once
// Print: the visible rows laid out on pages through an abstract canvas, so that the layout (the
// columns, wrapped data, page breaks, footers and separator lines) is the same on a printer, a PDF
// and a test's fixed metrics. All figures are in the canvas's units.

#include <array>
#include <string>

#include "platform/graphics.h"
#include "viewer/core/event_view.h"
#include "viewer/core/settings.h"

struct TPrintRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TPrintRect&) const = default;
};

// How a text is drawn or measured. Prefix characters ("&") are never interpreted.
enum class TTextMode {
  tmSingleLine,  // one line, an ellipsis at the end when it does not fit
  tmWordWrap,    // wrapped within the width; an overlong word ends in an ellipsis
  tmCentered,    // one line, centred in the rectangle
};

class TPrintCanvas {
 public:
  virtual ~TPrintCanvas() = default;
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;
  // The page being drawn, from 1.
  virtual int PageNumber() const = 0;
  virtual void BeginDocument(const std::string& title) = 0;
  virtual void EndDocument() = 0;
  virtual void NewPage() = 0;
  virtual void SetFont(const TFontSettings& font) = 0;
  virtual void SetFontColor(TColor color) = 0;
  virtual void SetFontStyle(bool bold, bool italic) = 0;
  // The height a text takes: on one line (tmSingleLine, tmCentered) or wrapped within `width`.
  virtual int TextHeight(const std::string& text, int width, TTextMode mode) const = 0;
  virtual void DrawText(const TPrintRect& rect, const std::string& text, TTextMode mode) = 0;
  virtual void DrawHorizontalLine(int y) = 0;  // across the page
};

// Prints every visible row: the file's name, then one band per row with the three columns at
// whole percentages of the page from the list's on-screen column widths, a footer "Page n" per
// page. The document is ended in every case, also when drawing raises.
void PrintRows(const TEventView& view, const TOXOptions& settings,
               const std::array<int, 3>& screenColumnWidths, TPrintCanvas& canvas);
