// Streams: the abstract stream's whole-buffer and copy operations, the memory stream, and the
// handle stream that passes every call straight to the operating system.

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include "platform/classes.h"

namespace {

std::string SystemReason(int error) { return std::generic_category().message(error); }

int Whence(TSeekOrigin origin) {
  switch (origin) {
    case TSeekOrigin::soBeginning:
      return SEEK_SET;
    case TSeekOrigin::soCurrent:
      return SEEK_CUR;
    case TSeekOrigin::soEnd:
      return SEEK_END;
  }
  return SEEK_SET;
}

}  // namespace

// ---- TStream ----------------------------------------------------------------------------------

void TStream::SetSize(int64_t) { throw EStreamError("Stream cannot change its size"); }

int64_t TStream::Size() {
  const int64_t position = Seek(0, TSeekOrigin::soCurrent);
  const int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, int32_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int32_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError("Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  constexpr int32_t kChunk = 64 * 1024;
  std::vector<uint8_t> buffer(
      static_cast<size_t>(std::min<int64_t>(std::max<int64_t>(count, 0), kChunk)));
  int64_t copied = 0;
  while (copied < count) {
    const auto n = static_cast<int32_t>(std::min<int64_t>(count - copied, kChunk));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    copied += n;
  }
  return copied;
}

// ---- TMemoryStream ----------------------------------------------------------------------------

int32_t TMemoryStream::Read(void* buffer, int32_t count) {
  const int64_t available = Size() - FPosition;
  if (count <= 0 || available <= 0) return 0;
  const auto n = static_cast<int32_t>(std::min<int64_t>(count, available));
  std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
  FPosition += n;
  return n;
}

int32_t TMemoryStream::Write(const void* buffer, int32_t count) {
  if (count <= 0) return 0;
  const int64_t end = FPosition + count;
  if (end > Size()) FData.resize(static_cast<size_t>(end));  // a gap past the end reads as zeros
  std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
  FPosition = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = FPosition;
  if (origin == TSeekOrigin::soEnd) base = Size();
  if (base + offset < 0) throw EStreamError("Stream position out of range");
  FPosition = base + offset;
  return FPosition;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError("Stream size out of range");
  FData.resize(static_cast<size_t>(newSize));
  FPosition = std::min(FPosition, newSize);
}

void TMemoryStream::Clear() { SetSize(0); }

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  std::vector<uint8_t> data(static_cast<size_t>(file.Size()));
  file.ReadBuffer(data.data(), static_cast<int32_t>(data.size()));
  FData = std::move(data);
  FPosition = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
  TFileStream file(fileName, fmCreate);
  file.WriteBuffer(FData.data(), static_cast<int32_t>(FData.size()));
}

// ---- THandleStream ----------------------------------------------------------------------------

// Both loop only over interruptions and partial transfers, so a regular file moves everything up
// to its end. A system failure raises instead of looking like the end of the file.
int32_t THandleStream::Read(void* buffer, int32_t count) {
  int32_t done = 0;
  while (done < count) {
    const ssize_t n =
        ::read(FHandle, static_cast<uint8_t*>(buffer) + done, static_cast<size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && done == 0) throw EReadError("Stream read error. " + SystemReason(errno));
    if (n <= 0) break;
    done += static_cast<int32_t>(n);
  }
  return done;
}

int32_t THandleStream::Write(const void* buffer, int32_t count) {
  // One write, as the system's file write is one call: a write that lands only in part (a full
  // disk, a file-size limit) answers how much landed. Writing the rest would start beyond a
  // file-size limit, where the system ends the program (SIGXFSZ) unless it ignores that.
  for (;;) {
    const ssize_t n = ::write(FHandle, buffer, static_cast<size_t>(std::max(count, 0)));
    if (n >= 0) return static_cast<int32_t>(n);
    if (errno != EINTR) throw EWriteError("Stream write error. " + SystemReason(errno));
  }
}

int64_t THandleStream::Seek(int64_t offset, TSeekOrigin origin) {
  const off_t position = ::lseek(FHandle, static_cast<off_t>(offset), Whence(origin));
  if (position < 0) throw EStreamError("Stream seek error. " + SystemReason(errno));
  return position;
}

void THandleStream::SetSize(int64_t newSize) {
  if (::ftruncate(FHandle, static_cast<off_t>(newSize)) != 0)
    throw EStreamError("Stream size error. " + SystemReason(errno));
  if (Position() > newSize) SetPosition(newSize);
}

int64_t THandleStream::Size() {
  struct stat info {};
  if (::fstat(FHandle, &info) != 0) throw EStreamError("Stream size error. " + SystemReason(errno));
  return info.st_size;
}
