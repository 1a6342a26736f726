// Writes the steps report through its layout, gathered in a buffer and written in large pieces.

#include "viewer/core/steps_export.h"

#include <string_view>

#include "platform/sysutils.h"
#include "viewer/core/export_file.h"
#include "viewer/core/steps_layout.h"

namespace {

constexpr size_t kWriteChunk = 64 * 1024;

const TStepsLayout& LayoutOf(TStepsFormat format) {
  return format == TStepsFormat::sfHtml ? kHtmlStepsLayout : kTextStepsLayout;
}

// Produces the report in pieces of about kWriteChunk bytes and hands each to `write`.
template <typename Write>
void WriteSteps(const TEventView& view, TStepsFormat format, Write&& write) {
  const TStepsLayout& layout = LayoutOf(format);
  std::string buffer;
  buffer.reserve(kWriteChunk * 2);
  layout.Begin(view.CurrentFile(), buffer);
  ForEachStep(view, [&](const TStepLine& line) {
    layout.Line(line, buffer);
    if (buffer.size() >= kWriteChunk) {
      write(std::string_view(buffer));
      buffer.clear();
    }
  });
  layout.End(buffer);
  write(std::string_view(buffer));
}

}  // namespace

void ExportSteps(const TEventView& view, TStepsFormat format, std::ostream& out) {
  const std::string what = "Cannot write the steps report";
  CheckStream(out, what);
  WriteSteps(view, format, [&](std::string_view bytes) { WriteToStream(out, bytes, what); });
  FlushStream(out, what);
}

void ExportStepsToFile(const TEventView& view, TStepsFormat format, const std::string& fileName) {
  TExportFile file(fileName);
  WriteSteps(view, format, [&file](std::string_view bytes) { file.Write(bytes); });
  file.Close();
}

TStepsFormat StepsFormatOf(const std::string& fileName) {
  const std::string extension = ExtractFileExt(fileName);
  return SameText(extension, ".html") || SameText(extension, ".htm") ? TStepsFormat::sfHtml
                                                                     : TStepsFormat::sfText;
}
