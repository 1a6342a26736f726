#pragma once
// Large logs for the viewer benchmarks: sessions of a hundred thousand records, in sections of a
// thousand, written through the library.

#include <unistd.h>

#include <memory>
#include <string>

#include "log/builtin_events.h"
#include "log/log_lifecycle.h"

// Writes `records` records to a new log `path`, record i made by `make(i)`.
template <typename MakeRecord>
void WriteSectionedLogTo(const std::string& path, int records, MakeRecord make) {
  CreateLogStream(path, true);
  TLogStream& log = *LogStream();
  for (int i = 0; i < records; ++i) {
    if (i % 100'000 == 0) log.WriteEvent(std::make_unique<TStartSessionEvent>("Bench"));
    if (i % 1'000 == 0) log.WriteEvent(std::make_unique<TEnterSectionEvent>("step"));
    log.WriteEvent(make(i));
    if (i % 1'000 == 999) log.WriteEvent(std::make_unique<TLeaveSectionEvent>("step"));
  }
  CloseLogStream();
}

// The same log in a temporary file; returns the file's name.
template <typename MakeRecord>
std::string WriteSectionedLog(int records, MakeRecord make) {
  char path[] = "/tmp/tracebook-bench-XXXXXX";
  close(mkstemp(path));
  unlink(path);
  WriteSectionedLogTo(path, records, make);
  return path;
}
