// Reading a log in order once, then its records again by where they begin.

#include "log/indexed_log_reader.h"

#include <algorithm>

#include "log/log_lifecycle.h"
#include "log/log_strings.h"
#include "log/tracebook_error.h"

TIndexedLogReader::TIndexedLogReader(const std::string& fileName)
    : FFile(OpenLogFileForReading(fileName)), FLog(*FFile), FNextOffset(FFile->Position()) {}

bool TIndexedLogReader::ReadNext(TEventSkim& event, TWholeRecordClass wholeRecord) {
  // A read that failed (a record cut off while its writer appends it) may have read ahead bytes
  // that are no longer there: a writer whose write failed takes its partial record back.
  if (FLoaded == kFailedRead) FLog.Seek(0, TSeekOrigin::soEnd);
  // Reading again, or a read that failed, may have left the stream elsewhere with another pool
  // than the one the records after the last one read need.
  if (FGenerations.empty()) {
    if (FLoaded != kNoGeneration) FLog.ResetStringPool();
  } else if (FLoaded != FGenerations.size() - 1) {
    LoadGeneration(FGenerations.size() - 1);
  }
  if (FLog.Seek(0, TSeekOrigin::soCurrent) != FNextOffset) {
    FLog.Seek(FNextOffset, TSeekOrigin::soBeginning);
  }
  try {
    if (!FLog.SkimEvent(event, wholeRecord)) return false;
  } catch (...) {
    FLoaded = kFailedRead;
    throw;
  }
  FNextOffset = FLog.Seek(0, TSeekOrigin::soCurrent);
  KeepPoolOf(event.Offset);
  return true;
}

void TIndexedLogReader::KeepPoolOf(int64_t offset) {
  if (FGenerations.empty() || FLog.PoolGeneration() != FKeptGeneration) {
    FGenerations.push_back({offset, {}});
    FKeptGeneration = FLog.PoolGeneration();
    FLoaded = FGenerations.size() - 1;
  }
  // A pool only grows within its generation: the strings added since the last record are copied.
  std::vector<std::string>& pool = FGenerations.back().Pool;
  for (int i = static_cast<int>(pool.size()); i < FLog.PoolCount(); ++i) {
    pool.push_back(FLog.PoolString(i));
  }
}

void TIndexedLogReader::LoadGeneration(size_t generation) {
  FLog.SetStringPool(FGenerations[generation].Pool);
  FLoaded = generation;
  FKeptGeneration = FLog.PoolGeneration();
}

std::unique_ptr<TLogEvent> TIndexedLogReader::ReadAt(int64_t offset) {
  const auto after = std::upper_bound(FGenerations.begin(), FGenerations.end(), offset,
                                      [](int64_t value, const TPoolGeneration& generation) {
                                        return value < generation.FirstOffset;
                                      });
  if (after == FGenerations.begin()) throw ETracebookError(log_strings::SLogChangedSinceRead);
  const auto generation = static_cast<size_t>(after - FGenerations.begin()) - 1;
  try {
    if (generation != FLoaded) LoadGeneration(generation);
    return FLog.ReadEventAt(offset);
  } catch (const std::exception&) {
    // The record was read there before: whatever fails now, the file has changed since, and
    // what was read instead may have changed the pool.
    FLoaded = kFailedRead;
    throw ETracebookError(log_strings::SLogChangedSinceRead);
  }
}
