// TFileStream: files opened by name with the framework's access and sharing modes. Sharing is
// emulated with open-file-description locks, which conflict between any two opens, whether in one
// process or in two, and vanish when the descriptor closes.
//
// Every open holds shared locks on marker bytes far beyond any real file size: one for each access
// it has and one for each access it denies. An open conflicts when somebody denies an access it
// wants, or somebody has an access it wants to deny.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/classes.h"

namespace {

constexpr off_t kMarkerBase = 0x7FFFFFFF00000000;
enum TMarker : off_t { kHasRead = 0, kHasWrite = 1, kDeniesRead = 2, kDeniesWrite = 3 };

constexpr const char* kSharingViolation =
    "The process cannot access the file because it is being used by another process.";

struct TOpenRequest {
  bool Read = false;
  bool Write = false;
  bool DenyRead = false;
  bool DenyWrite = false;
  bool Create = false;
};

bool Decode(uint16_t mode, TOpenRequest& request) {
  if (mode == fmCreate) {
    request = {true, true, true, true, true};
    return true;
  }
  const int access = mode & 0x0F;
  const int share = mode & 0xF0;
  if (access > fmOpenReadWrite || share > fmShareDenyNone) return false;
  request.Read = access != fmOpenWrite;
  request.Write = access != fmOpenRead;
  request.DenyRead =
      share == fmShareCompat || share == fmShareExclusive || share == fmShareDenyRead;
  request.DenyWrite = share != fmShareDenyRead && share != fmShareDenyNone;
  return true;
}

flock MarkerLock(short type, TMarker marker) {
  flock lock{};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = kMarkerBase + marker;
  lock.l_len = 1;
  return lock;
}

bool LockingUnsupported(int error) {
  return error == EINVAL || error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

// Takes this open's markers, then looks for markers of other opens that conflict with it. Taking
// before looking means two racing opens cannot both miss each other. Returns 0, or the errno of a
// failed lock call, or -1 for a sharing conflict.
int ClaimSharing(int fd, const TOpenRequest& request) {
  const std::pair<bool, TMarker> own[] = {{request.Read, kHasRead},
                                          {request.Write, kHasWrite},
                                          {request.DenyRead, kDeniesRead},
                                          {request.DenyWrite, kDeniesWrite}};
  for (const auto& [wanted, marker] : own) {
    flock lock = MarkerLock(F_RDLCK, marker);
    if (wanted && ::fcntl(fd, F_OFD_SETLK, &lock) != 0) return errno;
  }
  const std::pair<bool, TMarker> forbidden[] = {{request.Read, kDeniesRead},
                                                {request.Write, kDeniesWrite},
                                                {request.DenyRead, kHasRead},
                                                {request.DenyWrite, kHasWrite}};
  for (const auto& [relevant, marker] : forbidden) {
    flock probe = MarkerLock(F_WRLCK, marker);
    if (!relevant) continue;
    if (::fcntl(fd, F_OFD_GETLK, &probe) != 0) return errno;
    if (probe.l_type != F_UNLCK) return -1;
  }
  return 0;
}

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
  if (error == 0 && shareable) {
    error = ClaimSharing(fd, request);
    if (error > 0 && LockingUnsupported(error)) error = 0;  // file system without such locks
  }
  // Emptying comes last, so that a refused fmCreate leaves the file of its other opener intact.
  if (error == 0 && request.Create && ::ftruncate(fd, 0) != 0) error = errno;
  if (error == 0) return fd;
  reason = error < 0 ? kSharingViolation : std::generic_category().message(error);
  ::close(fd);
  return -1;
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode)
    : THandleStream(-1), FFileName(fileName) {
  TOpenRequest request;
  std::string reason = std::generic_category().message(EINVAL);
  if (Decode(mode, request)) FHandle = OpenShared(fileName, request, reason);
  if (FHandle >= 0) return;
  if (request.Create) throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
  throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
}

TFileStream::~TFileStream() {
  if (FHandle >= 0) ::close(FHandle);
}

bool FileOpenedForWriting(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  flock probe = MarkerLock(F_WRLCK, kHasWrite);
  const bool written = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
  ::close(fd);
  return written;
}
