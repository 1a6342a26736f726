#pragma once
// The print layout's canvas on a Qt printer: a painter over the printer's page in device units,
// the settings' printer font scaled to the printer's resolution.

#include <QFont>
#include <QPainter>

#include "viewer/core/print_layout.h"

class QPrinter;

class TQtPrintCanvas : public TPrintCanvas {
 public:
  explicit TQtPrintCanvas(QPrinter& printer);
  // Ends a document still open.
  ~TQtPrintCanvas() override;
  TQtPrintCanvas(const TQtPrintCanvas&) = delete;
  TQtPrintCanvas& operator=(const TQtPrintCanvas&) = delete;

  int PageWidth() const override;
  int PageHeight() const override;
  int PageNumber() const override { return FPageNumber; }
  // Raises Exception when the printer (or its output file) cannot be started.
  void BeginDocument(const std::string& title) override;
  void EndDocument() override;
  // Raises Exception when the printer refuses the page.
  void NewPage() override;
  void SetFont(const TFontSettings& font) override;
  void SetFontColor(TColor color) override;
  void SetFontStyle(bool bold, bool italic) override;
  int TextHeight(const std::string& text, int width, TTextMode mode) const override;
  void DrawText(const TPrintRect& rect, const std::string& text, TTextMode mode) override;
  void DrawHorizontalLine(int y) override;

 private:
  // The text as Qt lays it out in the mode: on one line, line breaks become blanks; wrapped,
  // they break lines and words wider than `width` end in an ellipsis.
  QString LaidOutText(const std::string& text, int width, TTextMode mode) const;

  QPrinter& FPrinter;
  QPainter FPainter;
  QFont FFont;
  QColor FTextColor = Qt::black;
  int FPageNumber = 1;
};
