// Export of the visible rows as text or comma-separated values. The lines are gathered in a
// buffer and written in large pieces, and every write is checked, so that a full disk is
// reported instead of leaving a short file that looks complete.

#include "viewer/core/row_export.h"

#include <string_view>

#include "platform/sysutils.h"
#include "viewer/core/export_file.h"

namespace {

constexpr size_t kWriteChunk = 64 * 1024;
constexpr std::string_view kLineEnd = "\r\n";
// A separator row in text: 80 "=" for the end of a session, 80 "-" for a separator record.
constexpr size_t kSeparatorWidth = 80;

// Blanks and control characters, quotes and commas need quoting; bytes above 0x7F (UTF-8
// sequences) do not.
bool NeedsQuotes(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',') return true;
  }
  return false;
}

void AppendCsvField(std::string& line, const std::string& text) {
  if (!NeedsQuotes(text)) {
    line += text;
    return;
  }
  line += '"';
  for (const char c : text) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

void AppendRow(const TEventView& view, int row, TExportFormat format, std::string& buffer) {
  const TRowKind kind = view.RowLook(row).Kind;
  if (kind != TRowKind::rkRecord) {
    if (format == TExportFormat::efCsv) return;
    buffer.append(kSeparatorWidth, kind == TRowKind::rkInsertedSeparator ? '=' : '-');
    buffer += kLineEnd;
    return;
  }
  const char between = format == TExportFormat::efCsv ? ',' : '\t';
  for (int column = 0; column < 3; ++column) {
    if (column > 0) buffer += between;
    const std::string text = OnOneLine(view.ColumnText(row, column));
    if (format == TExportFormat::efCsv) {
      AppendCsvField(buffer, text);
    } else {
      buffer += text;
    }
  }
  buffer += kLineEnd;
}

// Produces the export in pieces of about kWriteChunk bytes and hands each to `write`.
template <typename Write>
void WriteRows(const TEventView& view, TExportFormat format, Write&& write) {
  std::string buffer;
  buffer.reserve(kWriteChunk * 2);
  for (int row = 0; row < view.RowCount(); ++row) {
    AppendRow(view, row, format, buffer);
    if (buffer.size() >= kWriteChunk) {
      write(std::string_view(buffer));
      buffer.clear();
    }
  }
  if (!buffer.empty()) write(std::string_view(buffer));
}

}  // namespace

std::string OnOneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

void ExportRows(const TEventView& view, TExportFormat format, std::ostream& out) {
  const std::string what = "Cannot write the exported rows";
  CheckStream(out, what);
  WriteRows(view, format, [&](std::string_view bytes) { WriteToStream(out, bytes, what); });
  FlushStream(out, what);
}

void ExportRowsToFile(const TEventView& view, TExportFormat format, const std::string& fileName) {
  TExportFile file(fileName);
  WriteRows(view, format, [&file](std::string_view bytes) { file.Write(bytes); });
  file.Close();
}

TExportFormat ExportFormatOf(const std::string& fileName) {
  return SameText(ExtractFileExt(fileName), ".csv") ? TExportFormat::efCsv : TExportFormat::efText;
}
