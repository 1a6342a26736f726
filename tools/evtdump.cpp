// evtdump: prints a log one record per line: the tick count, the event name and the record's
// text, separated by tabs; with --props, each record's property lines follow, indented.
// A missing file, a file that is not a log, or damage stops it with a message on stderr and a
// non-zero exit, after the records read before the damage have been printed.

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "log/log_lifecycle.h"
#include "log/log_stream.h"

namespace {

constexpr int kExitUsage = 2;
constexpr int kExitCannotOpen = 3;
constexpr int kExitDamaged = 4;

void PrintRecord(const TLogEvent& record, bool withProperties) {
  std::cout << record.TickCount() << '\t' << record.GetEventName() << '\t' << record.AsString()
            << '\n';
  if (!withProperties) return;
  TStringList lines;
  record.GetPropertiesAndValues(&lines);
  for (int i = 0; i < lines.Count(); ++i) std::cout << "  " << lines.Get(i) << '\n';
}

int Usage() {
  std::cerr << "usage: evtdump [--props] LOG\n";
  return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
  bool withProperties = false;
  std::string fileName;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--props") {
      withProperties = true;
    } else if (arg.starts_with("-") || !fileName.empty()) {
      return Usage();
    } else {
      fileName = arg;
    }
  }
  if (fileName.empty()) return Usage();

  try {
    CreateLogStream(fileName, false);
  } catch (const std::exception& e) {
    std::cerr << "evtdump: " << fileName << ": " << e.what() << '\n';
    return kExitCannotOpen;
  }
  TLogStream& log = *LogStream();
  try {
    while (std::unique_ptr<TLogEvent> record = log.ReadEvent())
      PrintRecord(*record, withProperties);
  } catch (const std::exception& e) {
    std::cout.flush();
    std::cerr << "evtdump: " << fileName << ": damaged near byte " << log.Position() << ": "
              << e.what() << '\n';
    CloseLogStream();
    return kExitDamaged;
  }
  CloseLogStream();
  return 0;
}
