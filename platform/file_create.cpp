// Creating a file that appears under its name only once it holds its first contents.
//
// The file is made as an unnamed temporary file in the target folder, claimed for its creator
// alone, filled, and then linked to its name; linking fails if the name exists, so of two
// creators exactly one gets the name. File systems without unnamed temporary files (or where
// they cannot be linked) get the file created by name exclusively instead, which leaves it empty
// for a moment.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

#include "platform/classes.h"
#include "platform/file_sharing.h"
#include "platform/file_write.h"

namespace {

[[noreturn]] void RaiseCreateError(const std::string& fileName, const std::string& reason) {
  throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
}

[[noreturn]] void RaiseCreateError(const std::string& fileName, int error) {
  RaiseCreateError(fileName, error == kSharingConflict ? std::string(kSharingViolation)
                                                       : std::generic_category().message(error));
}

// Claims the file for its creator, shared as `share` says, and writes the contents; 0 or the
// failure.
int Prepare(int fd, std::string_view contents, uint16_t share) {
  TOpenRequest request;
  if (!DecodeOpenMode(fmOpenReadWrite | share, request)) return EINVAL;
  const int error = ClaimSharing(fd, true, request);
  return error != 0 ? error : WriteAll(fd, contents);
}

bool TemporaryFilesUnsupported(int error) {
  return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// Gives the unnamed file `fd` its name; 0 or the errno.
int Link(int fd, const std::string& fileName) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, fileName.c_str(), AT_SYMLINK_FOLLOW) == 0
             ? 0
             : errno;
}

// Creates the file by name: -1 when it exists already.
int CreateByName(const std::string& fileName, std::string_view contents, uint16_t share) {
  const int fd = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0 && errno == EEXIST) return -1;
  if (fd < 0) RaiseCreateError(fileName, errno);
  const int error = Prepare(fd, contents, share);
  if (error == 0) return fd;
  ::unlink(fileName.c_str());
  ::close(fd);
  RaiseCreateError(fileName, error);
}

}  // namespace

std::unique_ptr<TFileStream> TFileStream::CreateNew(const std::string& fileName,
                                                    std::string_view contents, uint16_t share) {
  std::string folder = ExtractFilePath(fileName);
  if (folder.empty()) folder = ".";
  const int temporary = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
  if (temporary < 0 && !TemporaryFilesUnsupported(errno)) RaiseCreateError(fileName, errno);
  if (temporary >= 0) {
    std::unique_ptr<TFileStream> file(new TFileStream(temporary, fileName));
    if (const int error = Prepare(temporary, contents, share)) {
      RaiseCreateError(fileName, error);
    }
    const int linked = Link(temporary, fileName);
    if (linked == 0) return file;
    if (linked == EEXIST) return nullptr;
  }
  const int fd = CreateByName(fileName, contents, share);
  return fd < 0 ? nullptr : std::unique_ptr<TFileStream>(new TFileStream(fd, fileName));
}
