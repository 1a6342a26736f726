#pragma once
// Writing a whole buffer to a file descriptor.

#include <string_view>

// Writes all of `contents`, going on after interruptions and partial writes. Returns 0, or the
// errno of the write that failed.
int WriteAll(int fd, std::string_view contents);
