// Conversion between doubles and the 10-byte extended real.

#include "log/coding.h"

#include <bit>
#include <cstring>

namespace coding {
namespace {

constexpr int kDoubleBias = 1023;
constexpr int kExtendedBias = 16383;
constexpr uint16_t kExtendedMaxExponent = 0x7FFF;
constexpr uint64_t kIntegerBit = uint64_t{1} << 63;

uint64_t DoubleBits(double value) { return std::bit_cast<uint64_t>(value); }
double DoubleFromBits(uint64_t bits) { return std::bit_cast<double>(bits); }

void Store(uint8_t* dst, uint64_t significand, uint16_t signAndExponent) {
  for (int i = 0; i < 8; ++i) dst[i] = static_cast<uint8_t>(significand >> (8 * i));
  EncodeFixed16(dst + 8, signAndExponent);
}

// Shifts `value` right by `shift` bits, rounding to nearest with ties to even.
uint64_t ShiftRightRounded(uint64_t value, int shift) {
  if (shift <= 0) return value;
  if (shift >= 65) return 0;
  const uint64_t kept = shift == 64 ? 0 : value >> shift;
  const uint64_t rest = shift == 64 ? value : value & ((uint64_t{1} << shift) - 1);
  const uint64_t half = uint64_t{1} << (shift - 1);
  if (rest > half || (rest == half && (kept & 1))) return kept + 1;
  return kept;
}

}  // namespace

void EncodeExtended(uint8_t* dst, double value) {
  const uint64_t bits = DoubleBits(value);
  const uint16_t sign = (bits >> 63) ? 0x8000 : 0;
  const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
  const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);

  if (exponent == 0x7FF) {  // infinity or NaN: the maximum exponent, the fraction kept
    Store(dst, kIntegerBit | (fraction << 11), sign | kExtendedMaxExponent);
  } else if (exponent != 0) {
    Store(dst, kIntegerBit | (fraction << 11),
          sign | static_cast<uint16_t>(exponent - kDoubleBias + kExtendedBias));
  } else if (fraction == 0) {
    Store(dst, 0, sign);
  } else {  // a subnormal double is a normal extended real
    const int shift = std::countl_zero(fraction);
    const int unbiased = 1 - kDoubleBias - (shift - 11);
    Store(dst, fraction << shift, sign | static_cast<uint16_t>(unbiased + kExtendedBias));
  }
}

double DecodeExtended(const uint8_t* src) {
  uint64_t significand = 0;
  for (int i = 7; i >= 0; --i) significand = (significand << 8) | src[i];
  const uint16_t signAndExponent = DecodeFixed16(src + 8);
  const uint64_t sign = static_cast<uint64_t>(signAndExponent >> 15) << 63;
  const int exponent = signAndExponent & kExtendedMaxExponent;

  if (exponent == kExtendedMaxExponent) {
    const uint64_t fraction = (significand & ~kIntegerBit) >> 11;
    if (fraction == 0 && (significand & ~kIntegerBit) != 0) {
      return DoubleFromBits(sign | (uint64_t{0x7FF} << 52) | (uint64_t{1} << 51));  // NaN
    }
    return DoubleFromBits(sign | (uint64_t{0x7FF} << 52) | fraction);
  }
  if (significand == 0) return DoubleFromBits(sign);

  // Normalise (denormal and unnormal forms have the integer bit clear).
  const int shift = std::countl_zero(significand);
  significand <<= shift;
  int unbiased = (exponent == 0 ? 1 : exponent) - kExtendedBias - shift;

  int dropBits = 11;  // 64 significand bits to 53
  if (unbiased < 1 - kDoubleBias) dropBits += (1 - kDoubleBias) - unbiased;  // subnormal result
  uint64_t mantissa = ShiftRightRounded(significand, dropBits);
  if (dropBits == 11 && mantissa == (uint64_t{1} << 53)) {  // rounding carried into a new bit
    mantissa >>= 1;
    ++unbiased;
  }
  if (dropBits > 11) {  // subnormal, or rounded up to the smallest normal
    return DoubleFromBits(sign | mantissa);
  }
  if (unbiased > kDoubleBias) return DoubleFromBits(sign | (uint64_t{0x7FF} << 52));
  const uint64_t biased = static_cast<uint64_t>(unbiased + kDoubleBias);
  return DoubleFromBits(sign | (biased << 52) | (mantissa & ((uint64_t{1} << 52) - 1)));
}

}  // namespace coding
