#pragma once
// The viewer's record list: every record read from the current log, in file order, with the
// separators the viewer inserts after each session; each entry carries its nesting level and, for
// the rows that open or close a group, whether the group is collapsed.
//
// An entry keeps what grouping, filtering and the row times need: the record's class, its tick
// count and where it begins in the file. The record itself is read again from the file when a row
// is shown, searched or exported, so that a log of millions of records costs a few dozen bytes a
// record, not the records' fields.

#include <cstdint>
#include <memory>
#include <vector>

#include "log/indexed_log_reader.h"
#include "log/log_event.h"

enum TEntryState : uint8_t {
  esCollapsed = 0,  // group row, collapsed
  esExpanded = 1,   // group row, expanded
  esPlain = 2,      // every other row
};

// The level of the separator the viewer inserts after each end of a session.
inline constexpr int32_t kInsertedSeparatorLevel = -1;

// Levels deeper than this (sections left open millions of times) count as this level.
inline constexpr int32_t kDeepestLevel = (1 << 23) - 1;

struct TEventEntry {
  const TLogEventClass* Class = nullptr;
  int64_t Offset = -1;  // where the record begins in the file; -1 for an inserted separator
  int32_t TickCount = 0;
  int32_t Level : 24 = 0;
  uint32_t State : 8 = esPlain;
};
static_assert(sizeof(TEventEntry) == 24, "an entry per record: kept small for large logs");

class TEventList {
 public:
  TEventList();
  ~TEventList();
  TEventList(const TEventList&) = delete;
  TEventList& operator=(const TEventList&) = delete;

  size_t size() const { return FEntries.size(); }
  bool empty() const { return FEntries.empty(); }
  const TEventEntry& operator[](size_t index) const { return FEntries[index]; }
  TEventEntry& operator[](size_t index) { return FEntries[index]; }
  const TEventEntry& front() const { return FEntries.front(); }
  std::vector<TEventEntry>::const_iterator begin() const { return FEntries.begin(); }
  std::vector<TEventEntry>::const_iterator end() const { return FEntries.end(); }
  std::vector<TEventEntry>::iterator begin() { return FEntries.begin(); }
  std::vector<TEventEntry>::iterator end() { return FEntries.end(); }

  // The log the entries' records are read again from.
  void SetSource(std::unique_ptr<TIndexedLogReader> source);
  // The log, for reading on; nullptr without one.
  TIndexedLogReader* Source() const { return FSource.get(); }
  // A record read from the source.
  void Append(const TEventSkim& record, int32_t level, uint8_t state);
  // A separator of the viewer's own, not from the file.
  void AppendInsertedSeparator();
  // Makes room for the entries of a log of `fileSize` bytes at once, so that the list does not
  // copy itself while it grows; room that stays unused is never touched and takes no memory.
  void ReserveForFile(int64_t fileSize);
  void clear();
  // Exchanges entries, log and read records with `other`.
  void swap(TEventList& other) noexcept;

  // The record of entry `index`, read again from the file. A record the file no longer holds as
  // it was read (the file was replaced or overwritten) comes back as a record that says so.
  std::shared_ptr<const TLogEvent> Record(size_t index) const;

 private:
  std::shared_ptr<const TLogEvent> ReadRecord(const TEventEntry& entry) const;

  std::vector<TEventEntry> FEntries;
  std::unique_ptr<TIndexedLogReader> FSource;
  // Records read lately, by entry index: a row is painted, measured and inspected many times.
  struct TCached {
    size_t Index = SIZE_MAX;
    std::shared_ptr<const TLogEvent> Record;
  };
  mutable std::vector<TCached> FCache;
};

// Start and end of sessions and sections: the rows that can be collapsed and expanded.
bool IsGroupRecord(const TLogEventClass& cls);
bool IsStartSession(const TLogEventClass& cls);
bool IsStopSession(const TLogEventClass& cls);
