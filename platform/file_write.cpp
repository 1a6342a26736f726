// Writing a whole buffer to a file descriptor.

#include "platform/file_write.h"

#include <unistd.h>

#include <cerrno>

int WriteAll(int fd, std::string_view contents) {
  while (!contents.empty()) {
    const ssize_t n = ::write(fd, contents.data(), contents.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    contents.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}
