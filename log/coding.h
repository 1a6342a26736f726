#pragma once
// Fixed-width little-endian integers and the 10-byte extended real of the log format, encoded and
// decoded byte by byte so that the bytes do not depend on the host.

#include <cstdint>

namespace coding {

inline void EncodeFixed16(uint8_t* dst, uint16_t value) {
  dst[0] = static_cast<uint8_t>(value);
  dst[1] = static_cast<uint8_t>(value >> 8);
}

inline void EncodeFixed32(uint8_t* dst, uint32_t value) {
  for (int i = 0; i < 4; ++i) dst[i] = static_cast<uint8_t>(value >> (8 * i));
}

inline uint16_t DecodeFixed16(const uint8_t* src) {
  return static_cast<uint16_t>(src[0] | (src[1] << 8));
}

inline uint32_t DecodeFixed32(const uint8_t* src) {
  return static_cast<uint32_t>(src[0]) | (static_cast<uint32_t>(src[1]) << 8) |
         (static_cast<uint32_t>(src[2]) << 16) | (static_cast<uint32_t>(src[3]) << 24);
}

constexpr int kExtendedSize = 10;

// A double widened to the x87 double-extended form: 64-bit significand with its integer bit
// (bytes 0-7), then the sign and the 15-bit exponent biased by 16383 (bytes 8-9). Exact.
void EncodeExtended(uint8_t* dst, double value);

// The extended real narrowed to the nearest double (ties to even); values beyond the double range
// become infinities, values below it zero or subnormals.
double DecodeExtended(const uint8_t* src);

}  // namespace coding
