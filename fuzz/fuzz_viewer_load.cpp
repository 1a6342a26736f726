// The viewer's load of a log of arbitrary records, then what a user does with the rows: expanding
// and collapsing groups, rebuilding the view and reading the rows' texts.

#include <cstdint>
#include <exception>
#include <string_view>

#include "fuzz/fuzz_input_file.h"
#include "log/log_stream.h"
#include "viewer/core/event_view.h"
#include "viewer/core/settings.h"

namespace {

const std::string_view kSignature(reinterpret_cast<const char*>(kLogSignature),
                                  sizeof kLogSignature);
constexpr int kRowsRead = 64;  // rows whose texts are produced, as a window shows a page

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static TFuzzInputFile log(".evt");
  static TOXOptions& settings = []() -> TOXOptions& {
    static TOXOptions options("/nonexistent/Oxlane.ini");  // every record class shown
    options.Load();
    return options;
  }();
  const std::string& fileName = log.Write(data, size, kSignature);
  TEventView view(settings);
  view.Load(fileName);
  try {
    for (int row = 0; row < view.RowCount() && row < kRowsRead; ++row) view.RowTexts(row);
    for (size_t i = 0; i < size && i < 16 && view.RowCount() > 0; ++i) {
      const int row = data[i] % view.RowCount();
      if (data[i] & 1)
        view.Collapse(row);
      else
        view.Expand(row);
    }
    view.RebuildView(true);
    view.ExpandAll();
    for (int row = 0; row < view.RowCount() && row < kRowsRead; ++row) view.RowTexts(row);
  } catch (const std::exception&) {
    // RowTexts of a row that does not exist raises; the loops stay within the rows.
    __builtin_trap();
  }
  return 0;
}
