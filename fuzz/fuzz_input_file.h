#pragma once
// A fuzzer's input as a file: the readers under test open files by name, so each input is written
// to a scratch file of this process (in /dev/shm when it exists, so that nothing touches a disk)
// and removed when the process ends.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

class TFuzzInputFile {
 public:
  explicit TFuzzInputFile(const std::string& suffix) {
    const std::filesystem::path folder = std::filesystem::is_directory("/dev/shm")
                                             ? "/dev/shm"
                                             : std::filesystem::temp_directory_path();
    FName = (folder / ("tracebook-fuzz-" + std::to_string(getpid()) + suffix)).string();
  }
  ~TFuzzInputFile() { std::remove(FName.c_str()); }
  TFuzzInputFile(const TFuzzInputFile&) = delete;
  TFuzzInputFile& operator=(const TFuzzInputFile&) = delete;

  // Replaces the file's contents with `prefix` followed by the input.
  const std::string& Write(const uint8_t* data, size_t size, std::string_view prefix = {}) {
    std::ofstream file(FName, std::ios::binary | std::ios::trunc);
    file.write(prefix.data(), static_cast<std::streamsize>(prefix.size()));
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return FName;
  }

 private:
  std::string FName;
};
