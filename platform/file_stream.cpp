// TFileStream: files opened by name with the framework's access and sharing modes, the sharing
// emulated as file_sharing.h describes.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/classes.h"
#include "platform/file_sharing.h"

namespace {

int OpenDescriptor(const std::string& fileName, const TOpenRequest& request, bool& shareable) {
  // Locks for reading need a descriptor open for reading, so writers open for both when allowed.
  const int flags = O_CLOEXEC | (request.Create ? O_CREAT : 0);
  shareable = true;
  if (!request.Write) return ::open(fileName.c_str(), flags | O_RDONLY);
  const int fd = ::open(fileName.c_str(), flags | O_RDWR, 0666);
  if (fd >= 0 || errno != EACCES || request.Read) return fd;
  shareable = false;
  return ::open(fileName.c_str(), flags | O_WRONLY);
}

// Opens the file and enforces sharing; returns the descriptor or -1 with `reason` set.
int OpenShared(const std::string& fileName, const TOpenRequest& request, std::string& reason) {
  bool shareable = true;
  const int fd = OpenDescriptor(fileName, request, shareable);
  if (fd < 0) {
    reason = std::generic_category().message(errno);
    return -1;
  }
  struct stat info {};
  int error = ::fstat(fd, &info) != 0 ? errno : S_ISDIR(info.st_mode) ? EISDIR : 0;
  if (error == 0 && shareable) error = ClaimSharing(fd, request.Write, request);
  // Emptying comes last, so that a refused fmCreate leaves the file of its other opener intact.
  if (error == 0 && request.Create && ::ftruncate(fd, 0) != 0) error = errno;
  if (error == 0) return fd;
  reason = error == kSharingConflict ? kSharingViolation : std::generic_category().message(error);
  ::close(fd);
  return -1;
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode)
    : THandleStream(-1), FFileName(fileName) {
  TOpenRequest request;
  std::string reason = std::generic_category().message(EINVAL);
  if (DecodeOpenMode(mode, request)) FHandle = OpenShared(fileName, request, reason);
  if (FHandle >= 0) return;
  if (request.Create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
  throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

TFileStream::TFileStream(int handle, std::string fileName)
    : THandleStream(handle), FFileName(std::move(fileName)) {}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}
