// peer_log OUT RECORDS: writes a log of RECORDS recorded user actions for comparing the viewer with
// other log viewers. Sessions of a hundred thousand actions in sections of a thousand, as the
// viewer benchmarks use; the actions are what a user does on a data-entry application: mostly
// button clicks and edits on controls of a few forms, list choices, menu commands and now and then
// a developer's message.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>

#include "bench/bench_logs.h"
#include "families/std_events.h"

namespace {

constexpr const char* kColours[] = {"Red", "Green", "Blue", "Yellow", "Black"};

// The dotted path of one of 400 buttons: panels and buttons vary at different rates, so that
// neighbouring rows name different controls.
std::string ButtonPath(int i) {
  return "MainForm.Panel" + std::to_string(i % 20) + ".Button" + std::to_string(i / 20 % 20);
}

// Action i of the session: six clicks, two edits, a list choice and a menu command in every ten,
// with a message in place of every 97th.
std::unique_ptr<TLogEvent> UserAction(int i) {
  if (i % 97 == 0)
    return std::make_unique<TUserMessageEvent>("Order " + std::to_string(i) + " saved");
  switch (i % 10) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
      return std::make_unique<TButtonEvent>(ButtonPath(i), "");
    case 5:
      return std::make_unique<TButtonEvent>("OrderForm.Options.Express",
                                            i / 10 % 2 ? " (checked)" : "");
    case 6:
    case 7:
      return std::make_unique<TEditEvent>("OrderForm.Details.NameEdit" + std::to_string(i % 4),
                                          "Customer " + std::to_string(i % 5000));
    case 8:
      return std::make_unique<TListBoxSelectEvent>("OrderForm.Details.ColourList",
                                                   kColours[i / 10 % 5], i / 10 % 5);
    default:
      return std::make_unique<TMenuEvent>("&File|&Save (" + std::to_string(100 + i % 3) + ")");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: peer_log OUT RECORDS\n");
    return 2;
  }
  const std::string out = argv[1];
  const long records = std::strtol(argv[2], nullptr, 10);
  if (records < 0 || records > 1'000'000'000) {
    std::fprintf(stderr, "peer_log: RECORDS must be a count from 0 to 1000000000\n");
    return 2;
  }
  try {
    std::filesystem::remove(out);  // the log is written anew, never appended to
    WriteSectionedLogTo(out, static_cast<int>(records), UserAction);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "peer_log: %s: %s\n", out.c_str(), failure.what());
    return 1;
  }
  return 0;
}
