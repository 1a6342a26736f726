// Drawing and measuring the printed rows with a QPainter on a QPrinter.

#include "viewer/gui/qt_print_canvas.h"

#include <QFontMetrics>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <limits>

#include "platform/sysutils.h"
#include "viewer/gui/qt_colors.h"
#include "viewer/gui/qt_fonts.h"

namespace {

constexpr int kUnbounded = std::numeric_limits<int>::max() / 4;

int FlagsOf(TTextMode mode) {
  switch (mode) {
    case TTextMode::tmWordWrap:
      return Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    case TTextMode::tmCentered:
      return Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine;
    case TTextMode::tmSingleLine:
      break;
  }
  return Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
}

}  // namespace

TQtPrintCanvas::TQtPrintCanvas(QPrinter& printer)
    : FPrinter(printer), FFont(ToQFont({}, kDefaultPrinterFontSize), &printer) {}

TQtPrintCanvas::~TQtPrintCanvas() { EndDocument(); }

int TQtPrintCanvas::PageWidth() const { return FPrinter.width(); }

int TQtPrintCanvas::PageHeight() const { return FPrinter.height(); }

void TQtPrintCanvas::BeginDocument(const std::string& title) {
  FPrinter.setDocName(QString::fromStdString(title));
  if (!FPainter.begin(&FPrinter)) {
    throw Exception(FPrinter.outputFileName().isEmpty()
                        ? "The printer could not be started."
                        : "Could not print to \"" + FPrinter.outputFileName().toStdString() +
                              "\": the file cannot be written.");
  }
  FPainter.setFont(FFont);
  FPageNumber = 1;
}

void TQtPrintCanvas::EndDocument() {
  if (FPainter.isActive()) FPainter.end();
}

void TQtPrintCanvas::NewPage() {
  if (!FPrinter.newPage()) throw Exception("The printer did not accept a new page.");
  ++FPageNumber;
}

void TQtPrintCanvas::SetFont(const TFontSettings& font) {
  const bool bold = FFont.bold();
  const bool italic = FFont.italic();
  FFont = QFont(ToQFont(font, kDefaultPrinterFontSize), &FPrinter);
  FFont.setBold(bold);
  FFont.setItalic(italic);
  if (FPainter.isActive()) FPainter.setFont(FFont);
}

void TQtPrintCanvas::SetFontColor(TColor color) { FTextColor = ToQColor(color); }

void TQtPrintCanvas::SetFontStyle(bool bold, bool italic) {
  FFont.setBold(bold);
  FFont.setItalic(italic);
  if (FPainter.isActive()) FPainter.setFont(FFont);
}

QString TQtPrintCanvas::LaidOutText(const std::string& text, int width, TTextMode mode) const {
  QString laidOut = QString::fromStdString(text);
  if (mode != TTextMode::tmWordWrap) {
    // One line: line breaks show as blanks.
    laidOut.replace(QChar('\r'), QChar(' '));
    laidOut.replace(QChar('\n'), QChar(' '));
    return laidOut;
  }
  laidOut.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  laidOut.replace(QChar('\r'), QChar('\n'));
  // A word that no line can hold is cut with an ellipsis instead of running past the column.
  const QFontMetrics metrics(FFont, &FPrinter);
  static const QRegularExpression kWord(QStringLiteral("[^\\s]+"));
  QString fitted;
  qsizetype done = 0;
  for (auto match = kWord.globalMatch(laidOut); match.hasNext();) {
    const QRegularExpressionMatch word = match.next();
    fitted += laidOut.mid(done, word.capturedStart() - done);
    fitted += metrics.horizontalAdvance(word.captured()) > width
                  ? metrics.elidedText(word.captured(), Qt::ElideRight, width)
                  : word.captured();
    done = word.capturedEnd();
  }
  fitted += laidOut.mid(done);
  return fitted;
}

int TQtPrintCanvas::TextHeight(const std::string& text, int width, TTextMode mode) const {
  const QFontMetrics metrics(FFont, &FPrinter);
  const int boxWidth = mode == TTextMode::tmWordWrap ? std::max(width, 1) : kUnbounded;
  return metrics
      .boundingRect(QRect(0, 0, boxWidth, kUnbounded), FlagsOf(mode),
                    LaidOutText(text, boxWidth, mode))
      .height();
}

void TQtPrintCanvas::DrawText(const TPrintRect& rect, const std::string& text, TTextMode mode) {
  const QRect box(rect.Left, rect.Top, rect.Width, rect.Height);
  QString shown = LaidOutText(text, rect.Width, mode);
  if (mode == TTextMode::tmSingleLine) {
    shown =
        FPainter.fontMetrics().elidedText(shown, Qt::ElideRight, rect.Width, Qt::TextSingleLine);
  }
  FPainter.setPen(FTextColor);
  FPainter.drawText(box, FlagsOf(mode), shown);
}

void TQtPrintCanvas::DrawHorizontalLine(int y) {
  FPainter.setPen(QPen(Qt::black, 0));
  FPainter.drawLine(0, y, PageWidth(), y);
}
