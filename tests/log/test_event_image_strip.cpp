// The built-in record images: a strip of nine distinct 16 by 16 images with olive backgrounds.

#include <gtest/gtest.h>

#include "log/event_image_strip.h"

TEST(EventImageStrip, LoadsAsNineDistinctMaskedImages) {
  const TBitmap strip = BuiltinEventImageStrip();
  ASSERT_EQ(strip.Width(), 144);
  ASSERT_EQ(strip.Height(), 16);

  TCustomImageList images(16, 16);
  EXPECT_EQ(images.AddMasked(strip, clOlive), 0);
  ASSERT_EQ(images.Count(), 9);
  for (int i = 0; i < 9; ++i) {
    int transparent = 0;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) transparent += images.IsTransparent(i, x, y) ? 1 : 0;
    }
    EXPECT_GT(transparent, 0) << "image " << i << " has no background";
    EXPECT_GT(16 * 16 - transparent, 30) << "image " << i << " is nearly empty";
  }

  auto samePixels = [&](int a, int b) {
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        if (images.Image(a).Pixel(x, y) != images.Image(b).Pixel(x, y)) return false;
      }
    }
    return true;
  };
  for (int a = 0; a < 9; ++a) {
    for (int b = a + 1; b < 9; ++b) EXPECT_FALSE(samePixels(a, b)) << a << " and " << b;
  }
}
