#pragma once
// Reading a log once from its start to its end, keeping where each record begins and the string
// pool each record was written against, and reading any of those records again later by where it
// begins: a reader that keeps millions of records needs to keep none of them in memory.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "log/log_event.h"
#include "log/log_stream.h"
#include "platform/classes.h"

class TIndexedLogReader {
 public:
  // Opens the log for reading, shared with every other open; raises as OpenLogFileForReading.
  explicit TIndexedLogReader(const std::string& fileName);
  TIndexedLogReader(const TIndexedLogReader&) = delete;
  TIndexedLogReader& operator=(const TIndexedLogReader&) = delete;

  // The next record in file order, as TLogStream::SkimEvent reads it; false at the end. Raises as
  // TLogStream::ReadEvent, with the stream where reading stopped.
  bool ReadNext(TEventSkim& event, TWholeRecordClass wholeRecord);
  // The record beginning at `offset`, which ReadNext returned before. Raises when the file no
  // longer holds a readable record there.
  std::unique_ptr<TLogEvent> ReadAt(int64_t offset);
  // The stream, for looking at what follows after ReadNext failed.
  TLogStream& Stream() { return FLog; }

 private:
  // The records from FirstOffset up to the next generation's refer to strings of Pool.
  struct TPoolGeneration {
    int64_t FirstOffset;
    std::vector<std::string> Pool;
  };
  void KeepPoolOf(int64_t offset);
  void LoadGeneration(size_t generation);

  std::unique_ptr<TFileStream> FFile;
  TLogStream FLog;
  std::vector<TPoolGeneration> FGenerations;
  uint64_t FKeptGeneration = 0;  // the stream's pool generation the last kept pool comes from
  // The kept generation whose pool the stream holds: none before the first record, or an unknown
  // one after a read that failed.
  static constexpr size_t kNoGeneration = SIZE_MAX;
  static constexpr size_t kFailedRead = SIZE_MAX - 1;
  size_t FLoaded = kNoGeneration;
  int64_t FNextOffset = 0;  // where ReadNext goes on
};
