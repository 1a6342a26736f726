#pragma once
// The modification time and size of a file when it was read, to notice later that it changed.

#include <cstdint>
#include <string>

struct TFileStamp {
  int64_t ModifiedTime = 0;  // nanoseconds since the epoch
  int64_t Size = 0;

  // All zero: no stamp was taken, so the file is not watched.
  bool IsZero() const { return ModifiedTime == 0 && Size == 0; }
  bool operator==(const TFileStamp&) const = default;

  // The stamp of the file as it is now; zero when it cannot be found.
  static TFileStamp Take(const std::string& fileName);
};
