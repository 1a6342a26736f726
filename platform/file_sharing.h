#pragma once
// The framework's sharing modes on Linux, which has none: every open holds shared
// open-file-description locks on marker bytes far beyond any real file size, one for each access
// it has and one for each access it denies. Such locks conflict between any two opens, whether in
// one process or in two, and vanish when the descriptor closes. An open conflicts when somebody
// denies an access it wants, or somebody has an access it wants to deny.

#include <cstdint>

struct TOpenRequest {
  bool Read = false;
  bool Write = false;
  bool DenyRead = false;
  bool DenyWrite = false;
  bool Create = false;
};

// The request of a framework open mode; false for a mode that does not exist.
bool DecodeOpenMode(uint16_t mode, TOpenRequest& request);

inline constexpr int kSharingConflict = -1;
inline constexpr const char* kSharingViolation =
    "The process cannot access the file because it is being used by another process.";

// Takes the sharing of `request` on `fd` unless it conflicts with the opens already in place.
// Returns 0 when taken (also on a file system without such locks, where nothing is enforced),
// kSharingConflict, or the errno of a failed lock call. `writable` says whether `fd` was opened
// for writing. Two opens that claim at the same moment are serialised, so that of two conflicting
// opens exactly one succeeds.
int ClaimSharing(int fd, bool writable, const TOpenRequest& request);
