// Sharing modes emulated with open-file-description locks on marker bytes.

#include "platform/file_sharing.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "platform/classes.h"

namespace {

constexpr off_t kMarkerBase = 0x7FFFFFFF00000000;
// The gate is held around taking markers and looking for others' markers.
enum TMarker : off_t { kHasRead = 0, kHasWrite = 1, kDeniesRead = 2, kDeniesWrite = 3, kGate = 4 };

flock MarkerLock(short type, off_t start, off_t length = 1) {
  flock lock{};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  lock.l_start = kMarkerBase + start;
  lock.l_len = length;
  return lock;
}

bool LockingUnsupported(int error) {
  return error == EINVAL || error == ENOLCK || error == EOPNOTSUPP || error == ENOSYS;
}

// Takes this open's markers, then looks for markers of other opens that conflict with it.
int ClaimAndProbe(int fd, const TOpenRequest& request) {
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
    if (probe.l_type != F_UNLCK) return kSharingConflict;
  }
  return 0;
}

// Waits for the gate. A descriptor open for writing takes it exclusively; a read-only one can
// only share it, which still keeps it apart from every writer.
int EnterGate(int fd, bool writable) {
  flock gate = MarkerLock(writable ? F_WRLCK : F_RDLCK, kGate);
  while (::fcntl(fd, F_OFD_SETLKW, &gate) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

}  // namespace

bool DecodeOpenMode(uint16_t mode, TOpenRequest& request) {
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

int ClaimSharing(int fd, bool writable, const TOpenRequest& request) {
  int result = EnterGate(fd, writable);
  if (result == 0) result = ClaimAndProbe(fd, request);
  if (result > 0 && LockingUnsupported(result)) result = 0;  // nothing to enforce with
  // A refused open leaves no marker behind for others to trip over; every open leaves the gate.
  flock release = result == 0 ? MarkerLock(F_UNLCK, kGate) : MarkerLock(F_UNLCK, 0, kGate + 1);
  ::fcntl(fd, F_OFD_SETLK, &release);
  return result;
}

bool FileOpenedForWriting(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  flock probe = MarkerLock(F_WRLCK, kHasWrite);
  const bool written = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
  ::close(fd);
  return written;
}
