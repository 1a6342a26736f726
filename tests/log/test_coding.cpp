// The 10-byte extended real.

#include "log/coding.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

namespace {

using coding::DecodeExtended;
using coding::EncodeExtended;

std::array<uint8_t, 10> Encode(double value) {
  std::array<uint8_t, 10> bytes{};
  EncodeExtended(bytes.data(), value);
  return bytes;
}

TEST(ExtendedReal, KnownEncodings) {
  EXPECT_EQ(Encode(36526.5),
            (std::array<uint8_t, 10>{0, 0, 0, 0, 0, 0x80, 0xAE, 0x8E, 0x0E, 0x40}));
  EXPECT_EQ(Encode(1.0), (std::array<uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  EXPECT_EQ(Encode(-2.0), (std::array<uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
  EXPECT_EQ(Encode(0.0), (std::array<uint8_t, 10>{}));
}

TEST(ExtendedReal, DoublesSurviveExactly) {
  std::mt19937_64 random(42);
  for (int i = 0; i < 100000; ++i) {
    const double value = std::bit_cast<double>(random());
    if (std::isnan(value)) continue;
    EXPECT_EQ(std::bit_cast<uint64_t>(DecodeExtended(Encode(value).data())),
              std::bit_cast<uint64_t>(value));
  }
  for (double value :
       {0.0, -0.0, std::numeric_limits<double>::denorm_min(),
        -std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::min(),
        std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), 0.1, 1e-310}) {
    EXPECT_EQ(std::bit_cast<uint64_t>(DecodeExtended(Encode(value).data())),
              std::bit_cast<uint64_t>(value));
  }
  EXPECT_TRUE(std::isnan(DecodeExtended(Encode(std::nan("")).data())));
}

TEST(ExtendedReal, ExtraPrecisionRoundsToNearestEven) {
  // 1 + 2^-53 lies halfway between 1 and the next double: ties go to the even neighbour, 1.
  std::array<uint8_t, 10> halfway = Encode(1.0);
  halfway[1] = 0x04;  // significand bit 10, worth 2^-53
  EXPECT_EQ(DecodeExtended(halfway.data()), 1.0);
  halfway[0] = 0x01;  // a little above halfway rounds up
  EXPECT_EQ(DecodeExtended(halfway.data()), std::nextafter(1.0, 2.0));
}

TEST(ExtendedReal, ValuesBeyondTheDoubleRange) {
  std::array<uint8_t, 10> huge = Encode(1.0);
  huge[8] = 0xFE;
  huge[9] = 0x7F;  // 2^16383
  EXPECT_EQ(DecodeExtended(huge.data()), std::numeric_limits<double>::infinity());
  std::array<uint8_t, 10> tiny = Encode(1.0);
  tiny[8] = 0x01;
  tiny[9] = 0x00;  // 2^-16382
  EXPECT_EQ(DecodeExtended(tiny.data()), 0.0);
}

}  // namespace
