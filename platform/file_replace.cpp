// Replacing a file's contents through a temporary file and a rename.

#include "platform/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <system_error>

#include "platform/file_write.h"
#include "platform/sysutils.h"

namespace {

std::string TemporaryName(const std::string& fileName) {
  static std::atomic<unsigned> counter{0};
  return fileName + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

// Writes the temporary file in full with the permissions of the file it will replace; on failure
// removes it and returns the errno.
int WriteTemporary(const std::string& fileName, const std::string& temporary,
                   std::string_view contents) {
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  struct stat old {};
  int error = 0;
  if (::stat(fileName.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) error = errno;
  if (error == 0) error = WriteAll(fd, contents);
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error != 0) ::unlink(temporary.c_str());
  return error;
}

}  // namespace

void ReplaceFileContents(const std::string& fileName, std::string_view contents) {
  const std::string temporary = TemporaryName(fileName);
  int error = WriteTemporary(fileName, temporary, contents);
  if (error == 0 && std::rename(temporary.c_str(), fileName.c_str()) != 0) {
    error = errno;
    ::unlink(temporary.c_str());
  }
  if (error == 0) return;
  throw EFCreateError("Cannot create file \"" + fileName + "\". " +
                      std::generic_category().message(error));
}
