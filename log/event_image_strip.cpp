// The built-in strip of record images, drawn as pixel art in the 16 classic VGA colours.

#include "log/event_image_strip.h"

#include <array>
#include <string_view>

namespace {

constexpr int kImageCount = 9;
constexpr int kImageSize = 16;

// One letter per pixel, a space between images; "." is the transparent olive. Images, left to
// right: page, question mark, stop sign, speech bubble, flag, arrow into a box, arrow out of a box,
// plus box, minus box.
// clang-format off
constexpr std::array<std::string_view, kImageSize> kRows = {
    "................ ................ ................ ................ ................ ................ ................ ................ ................",
    "..kkkkkkkkk..... .....nnnnnn..... .....rrrrrr..... ................ .kd............. ................ ................ ................ ................",
    "..kwwwwwwwkk.... ....nBBBBBBn.... ...rrRRRRRRrr... ..kkkkkkkkkkkk.. .kdggg.......... ......kkkkkkkkk. .kkkkkkkkk...... ..dddddddddddd.. ..dddddddddddd..",
    "..kwwwwwwwkwk... ...nBBnnnnBBn... ..rRRRRRRRRRRr.. .kwwwwwwwwwwwwk. .kdGGGgg....gg.. ......kwwwwwwwk. .kwwwwwwwk...... ..dwwwwwwwwwwd.. ..dwwwwwwwwwwd..",
    "..kwwwwwwwkkkk.. ...nBBn..nBBn... ..rRRwRRRRwRRr.. .kwwwwwwwwwwwwk. .kdGGGGGgggGGGg. ......kwwBwwwwk. .kwwwwwwwk.B.... ..dwwwwwwwwwwd.. ..dwwwwwwwwwwd..",
    "..kwddddddwwwk.. ....nn...nBBn... .rRRwwwRRwwwRRr. .kwwnnnnnnnnwwk. .kdGGGGGGGGGGGg. ......kwwBBwwwk. .kwwwwwwwk.BB... ..dwwwwkkwwwwd.. ..dwwwwwwwwwwd..",
    "..kwwwwwwwwwwk.. ........nBBn.... .rRRRwwwwwwRRRr. .kwwwwwwwwwwwwk. .kdGGGGGGGGGGGg. ......kwwBBBwwk. .kwwwwwwwk.BBB.. ..dwwwwkkwwwwd.. ..dwwwwwwwwwwd..",
    "..kwddddddddwk.. .......nBBn..... .rRRRRwwwwRRRRr. .kwwnnnnnnnnwwk. .kdGGGGGGGGGGGg. .nBBBBBBBBBBBwk. .kwwnBBBBBBBBBB. ..dwwkkkkkkwwd.. ..dwwkkkkkkwwd..",
    "..kwwwwwwwwwwk.. ......nBBn...... .rRRRRwwwwRRRRr. .kwwwwwwwwwwwwk. .kdGGGGGGGGGGGg. .nBBBBBBBBBBBwk. .kwwnBBBBBBBBBB. ..dwwkkkkkkwwd.. ..dwwkkkkkkwwd..",
    "..kwddddddddwk.. ......nBBn...... .rRRRwwwwwwRRRr. .kwwnnnnnwwwwwk. .kdgggGGGGGGGGg. ......kwwBBBwwk. .kwwwwwwwk.BBB.. ..dwwwwkkwwwwd.. ..dwwwwwwwwwwd..",
    "..kwwwwwwwwwwk.. .......nn....... .rRRwwwRRwwwRRr. .kwwwwwwwwwwwwk. .kd...ggGGGgggg. ......kwwBBwwwk. .kwwwwwwwk.BB... ..dwwwwkkwwwwd.. ..dwwwwwwwwwwd..",
    "..kwddddddddwk.. ................ ..rRRwRRRRwRRr.. ..kkkwwkkkkkkk.. .kd.....ggg..... ......kwwBwwwwk. .kwwwwwwwk.B.... ..dwwwwwwwwwwd.. ..dwwwwwwwwwwd..",
    "..kwwwwwwwwwwk.. ......nBBn...... ..rRRRRRRRRRRr.. ....kwk......... .kd............. ......kwwwwwwwk. .kwwwwwwwk...... ..dwwwwwwwwwwd.. ..dwwwwwwwwwwd..",
    "..kwdddddwwwwk.. ......nBBn...... ...rrRRRRRRrr... ...kwk.......... .kd............. ......kkkkkkkkk. .kkkkkkkkk...... ..dddddddddddd.. ..dddddddddddd..",
    "..kkkkkkkkkkkk.. .......nn....... .....rrrrrr..... ...kk........... kkdd............ ................ ................ ................ ................",
    "................ ................ ................ ................ ................ ................ ................ ................ ................",
};
// clang-format on

// The 16 colours, as 0x00BBGGRR.
struct TPaletteEntry {
  char Letter;
  TColor Color;
};
constexpr TPaletteEntry kPalette[] = {
    {'k', 0x000000},  // black
    {'r', 0x000080},  // maroon
    {'g', 0x008000},  // green
    {'.', 0x008080},  // olive: transparent
    {'n', 0x800000},  // navy
    {'p', 0x800080},  // purple
    {'t', 0x808000},  // teal
    {'s', 0xC0C0C0},  // silver
    {'d', 0x808080},  // grey
    {'R', 0x0000FF},  // red
    {'G', 0x00FF00},  // lime
    {'Y', 0x00FFFF},  // yellow
    {'B', 0xFF0000},  // blue
    {'M', 0xFF00FF},  // fuchsia
    {'C', 0xFFFF00},  // aqua
    {'w', 0xFFFFFF},  // white
};
constexpr TColor kNotInPalette = 0xFFFFFFFF;

constexpr TColor PaletteColor(char letter) {
  for (const TPaletteEntry& entry : kPalette) {
    if (entry.Letter == letter) return entry.Color;
  }
  return kNotInPalette;
}

constexpr bool RowsAreWellFormed() {
  for (std::string_view row : kRows) {
    int pixels = 0;
    for (char letter : row) {
      if (letter == ' ') continue;
      if (PaletteColor(letter) == kNotInPalette) return false;
      ++pixels;
    }
    if (pixels != kImageCount * kImageSize) return false;
  }
  return true;
}
static_assert(RowsAreWellFormed(), "every row needs 144 pixels of palette letters");

}  // namespace

TBitmap BuiltinEventImageStrip() {
  TBitmap strip(kImageCount * kImageSize, kImageSize);
  for (int y = 0; y < kImageSize; ++y) {
    int x = 0;
    for (char letter : kRows[static_cast<size_t>(y)]) {
      if (letter != ' ') strip.SetPixel(x++, y, PaletteColor(letter));
    }
  }
  return strip;
}
