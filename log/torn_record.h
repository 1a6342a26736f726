#pragma once
// The last record of a host that was killed while it wrote it. Each record goes to the log in one
// write, but the kernel ends a write that a fatal signal interrupts at a page boundary, so a
// killed host can leave the first part of its last record, ending the log on a page boundary.
// A host that appends to such a log first takes that part away, so that its own records, and
// those of every later session, do not follow it unreadably.

class TFileStream;

// The file's byte count is a multiple of every page size the kernel writes in.
inline constexpr int kPageSize = 4096;

// Cuts the log back to the end of its last whole record when it ends on a page boundary inside a
// record; any other log, damaged or not, stays as it is. The file must be open for writing.
void CutTornLastRecord(TFileStream& file);
