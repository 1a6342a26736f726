#pragma once
// The modification time, size and identity of a file when it was read, to notice later that it
// changed, and whether it was replaced by another file of the same name.

#include <cstdint>
#include <string>

struct TFileStamp {
  int64_t ModifiedTime = 0;  // nanoseconds since the epoch
  int64_t Size = 0;
  uint64_t Device = 0;  // with Inode, which file the name stood for
  uint64_t Inode = 0;

  // All zero: no stamp was taken, so the file is not watched.
  bool IsZero() const { return ModifiedTime == 0 && Size == 0; }
  bool operator==(const TFileStamp&) const = default;
  // Whether both stamps are of the same file, though it may have changed.
  bool SameFile(const TFileStamp& other) const {
    return Device == other.Device && Inode == other.Inode;
  }

  // The stamp of the file as it is now; zero when it cannot be found.
  static TFileStamp Take(const std::string& fileName);
};
