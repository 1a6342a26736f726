// Image lists cut strips into images of their size and remember which pixels are transparent.

#include <gtest/gtest.h>

#include "platform/graphics.h"
#include "platform/sysutils.h"

TEST(ImageList, AddMaskedCutsAStripLeftToRight) {
  TBitmap strip(6, 2, clOlive);
  strip.SetPixel(0, 0, 0x0000FF);
  strip.SetPixel(4, 1, 0xFF0000);
  TCustomImageList images(3, 2);
  images.AddMasked(TBitmap(3, 2, 0x123456), clOlive);
  EXPECT_EQ(images.AddMasked(strip, clOlive), 1);  // index of the first image it added
  ASSERT_EQ(images.Count(), 3);
  EXPECT_EQ(images.Image(1).Pixel(0, 0), 0x0000FFu);
  EXPECT_FALSE(images.IsTransparent(1, 0, 0));
  EXPECT_TRUE(images.IsTransparent(1, 1, 0));
  EXPECT_EQ(images.Image(2).Pixel(1, 1), 0xFF0000u);
  EXPECT_FALSE(images.IsTransparent(2, 1, 1));
  EXPECT_TRUE(images.IsTransparent(2, 0, 0));
  EXPECT_FALSE(images.IsTransparent(0, 2, 1));
  EXPECT_THROW(images.Image(3), EListError);
  EXPECT_THROW(images.AddMasked(TBitmap(2, 2), clOlive), Exception);
  images.Clear();
  EXPECT_EQ(images.Count(), 0);
}
