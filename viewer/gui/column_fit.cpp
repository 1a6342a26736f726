// Measuring the widest text of a column.

#include "viewer/gui/column_fit.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "viewer/gui/event_delegate.h"

namespace {

// Text widths in one font.
class TFontWidths {
 public:
  explicit TFontWidths(const QFont& font) : FExact(font) {
    const QFontMetricsF metrics(font);
    for (size_t c = 0; c < FAscii.size(); ++c) {
      FAscii[c] = metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    }
  }
  // At least the exact width: a layout only narrows a text beyond its characters' advances
  // (kerning, ligatures). Text beyond ASCII is measured exactly.
  double Bound(std::string_view text) const {
    double width = 0;
    for (const char c : text) {
      const auto code = static_cast<unsigned char>(c);
      if (code >= FAscii.size()) return Exact(text);
      width += FAscii[code];
    }
    return width;
  }
  int Exact(std::string_view text) const {
    return FExact.horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }

 private:
  QFontMetrics FExact;
  std::array<double, 128> FAscii{};
};

// The look of one record class's rows.
struct TClassLook {
  const TLogEventClass* Class;
  bool ShowsText;  // separators are drawn as lines
  TFontWidths Widths;
};

struct TCandidate {
  double Bound;
  int Row;
  size_t Look;
  bool operator<(const TCandidate& other) const { return Bound < other.Bound; }
};

int IndentOf(const TEventView& view, int row, int column) {
  return column == 0 ? std::max(view.View().Entry(row).Level, 0) * kImageSize : 0;
}

QFont ClassFont(const TEventView& view, int row, const QFont& font) {
  const TEventUIDefaults look = view.RowLook(row).Attributes;
  QFont classFont = font;
  classFont.setBold(look.Bold);
  classFont.setItalic(look.Italic);
  return classFont;
}

}  // namespace

int CellTextWidth(const TEventView& view, int row, int column, const QFont& font) {
  return IndentOf(view, row, column) +
         TFontWidths(ClassFont(view, row, font)).Exact(view.ColumnText(row, column));
}

int WidestText(const TEventView& view, int column, const QFont& font) {
  std::vector<TClassLook> looks;  // a handful of classes, each found once
  std::vector<TCandidate> candidates;
  candidates.reserve(static_cast<size_t>(view.RowCount()));
  for (int row = 0; row < view.RowCount(); ++row) {
    const TLogEventClass* cls = view.View().Entry(row).Class;
    auto look = std::find_if(looks.begin(), looks.end(),
                             [cls](const TClassLook& known) { return known.Class == cls; });
    if (look == looks.end()) {
      looks.push_back({cls, view.RowLook(row).Kind == TRowKind::rkRecord,
                       TFontWidths(ClassFont(view, row, font))});
      look = looks.end() - 1;
    }
    if (!look->ShowsText) continue;
    candidates.push_back(
        {IndentOf(view, row, column) + look->Widths.Bound(view.ColumnText(row, column)), row,
         static_cast<size_t>(look - looks.begin())});
  }
  // The widest bounds first, laid out exactly until no bound left can beat the widest text, or
  // until enough have been laid out (rows of one kind of text have near-equal bounds): a bound
  // left then counts as it is, a few pixels too wide at most, never too narrow.
  constexpr int kMostLaidOut = 100;
  std::make_heap(candidates.begin(), candidates.end());
  int widest = 0;
  for (int laidOut = 0; !candidates.empty() && candidates.front().Bound > widest; ++laidOut) {
    if (laidOut == kMostLaidOut) {
      widest = static_cast<int>(std::ceil(candidates.front().Bound));
      break;
    }
    std::pop_heap(candidates.begin(), candidates.end());
    const TCandidate& candidate = candidates.back();
    widest = std::max(
        widest, IndentOf(view, candidate.Row, column) +
                    looks[candidate.Look].Widths.Exact(view.ColumnText(candidate.Row, column)));
    candidates.pop_back();
  }
  return widest;
}
