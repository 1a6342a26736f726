// The palette picture, drawn as a map of the 16 standard colours, one hexadecimal digit a pixel.

#include "capture/palette_image.h"

#include <iterator>
#include <string_view>

namespace {

// 0x00BBGGRR, in the order of the standard 16-colour palette.
constexpr TColor kStandardColours[16] = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
};

// 0 black, 4 navy, 7 grey, 8 silver (the background), 9 red, B yellow, F white.
constexpr std::string_view kPicture[] = {
    "888888888888888888888888", "888888888888888888888888", "800000000000000000000008",
    "804444444444444444444408", "804FFFFFFFF77FFFFFFFF408", "804F777777F77F777777F408",
    "804FFFFFFFF77FFFFFFFF408", "804F777777F77F777777F408", "804FFFFFFFF77FFFFFFFF408",
    "804FFFFFFFF779FFFFFFF408", "804FFFFF9FF779FFFFFFF408", "804FFFF99FF79F9FFFFFF408",
    "804FFFF9F9F79F9FF99BF408", "804FB99FF9F97FF99FFFF408", "804FFFFFFF997FF9FFFFF408",
    "804FFFFFFF977FFFFFFFF408", "804FFFFFFFF77FFFFFFFF408", "804F777777F77F777777F408",
    "804FFFFFFFF77FFFFFFFF408", "804888888888888888888808", "804777777777777777777408",
    "800000000000000000000008", "888888888888888888888888", "888888888888888888888888",
};

constexpr int kSize = 24;
static_assert(std::size(kPicture) == kSize);

int ColourIndex(char digit) { return digit <= '9' ? digit - '0' : digit - 'A' + 10; }

}  // namespace

TBitmap TracebookPaletteImage() {
  TBitmap bitmap(kSize, kSize);
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x)
      bitmap.SetPixel(x, y, kStandardColours[ColourIndex(kPicture[y][static_cast<size_t>(x)])]);
  return bitmap;
}
