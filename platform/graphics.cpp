// Bitmaps and image lists: cutting an image strip into masked images of the list's size.

#include "platform/graphics.h"

#include <string>

#include "platform/sysutils.h"

TBitmap::TBitmap(int width, int height, TColor fill)
    : FWidth(width), FHeight(height), FPixels(static_cast<size_t>(width * height), fill) {}

int TCustomImageList::AddMasked(const TBitmap& strip, TColor transparent) {
  if (strip.Width() < FWidth || strip.Height() < FHeight)
    throw Exception("Unable to insert an image: the bitmap is smaller than the image size");
  const int first = Count();
  for (int left = 0; left + FWidth <= strip.Width(); left += FWidth) {
    TImage image{TBitmap(FWidth, FHeight),
                 std::vector<bool>(static_cast<size_t>(FWidth * FHeight))};
    for (int y = 0; y < FHeight; ++y) {
      for (int x = 0; x < FWidth; ++x) {
        const TColor color = strip.Pixel(left + x, y);
        image.Pixels.SetPixel(x, y, color);
        image.Transparent[static_cast<size_t>(y * FWidth + x)] = color == transparent;
      }
    }
    FImages.push_back(std::move(image));
  }
  return first;
}

const TBitmap& TCustomImageList::Image(int index) const {
  if (index < 0 || index >= Count())
    throw EListError("Image index out of bounds (" + std::to_string(index) + ")");
  return FImages[static_cast<size_t>(index)].Pixels;
}

bool TCustomImageList::IsTransparent(int index, int x, int y) const {
  const TBitmap& image = Image(index);
  if (x < 0 || y < 0 || x >= image.Width() || y >= image.Height()) return true;
  return FImages[static_cast<size_t>(index)]
      .Transparent[static_cast<size_t>(y * image.Width() + x)];
}
