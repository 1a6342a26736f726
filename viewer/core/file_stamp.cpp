// Taking a file's stamp from the file system.

#include "viewer/core/file_stamp.h"

#include <sys/stat.h>

TFileStamp TFileStamp::Take(const std::string& fileName) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return {};
  return {static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
          static_cast<int64_t>(info.st_size), static_cast<uint64_t>(info.st_dev),
          static_cast<uint64_t>(info.st_ino)};
}
