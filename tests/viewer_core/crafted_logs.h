#pragma once
// Log files as a careless or hostile world hands them to the viewer: foreign bytes, logs cut
// short, logs with damaged bytes, records of classes nobody registered.

#include <cstdint>
#include <random>
#include <string>

#include "log/log_stream.h"
#include "tests/viewer_core/viewer_fixture.h"

// The signature, then record-like pieces of random bytes: begin tokens followed by small pool
// indexes, so that the reader gets past the token into class names and bodies.
inline std::string RandomRecords(uint32_t seed, int pieces) {
  std::mt19937 random(seed);
  std::string bytes(std::begin(kLogSignature), std::end(kLogSignature));
  for (int piece = 0; piece < pieces; ++piece) {
    bytes += std::string("\x00\x51\x56\xFE", 4);
    bytes += static_cast<char>(random() % 4);  // one of the fixed pool entries
    bytes += '\0';
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) bytes += static_cast<char>(random() % 256);
  }
  return bytes;
}

// A small log of everything the viewer groups: records before the first session, nested and
// unbalanced sections, logged separators, a finished session and one still being written.
inline void WriteMixedLog(const std::string& fileName) {
  LogWriter(fileName)
      .At(500)
      .Message("early")
      .Leave("stray")
      .At(1000)
      .Start()
      .Message("a")
      .Enter("outer")
      .Enter("inner")
      .Separator()
      .Leave("inner")
      .Message("b")
      .Stop()
      .At(2000)
      .Start()
      .Enter("open")
      .Message("c");
}
