#pragma once
// Colours, bitmaps and image lists: the small part of the framework's graphics that the record
// images need.

#include <cstddef>
#include <cstdint>
#include <vector>

// 0x00BBGGRR for a plain colour; 0x80000000 plus an index for a system colour.
using TColor = uint32_t;
constexpr TColor clOlive = 0x008080;
constexpr TColor clWindowText = 0x80000008;

// A bitmap of plain colours, row by row from the top.
class TBitmap {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TColor fill = 0);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  TColor Pixel(int x, int y) const { return FPixels[static_cast<size_t>(y * FWidth + x)]; }
  void SetPixel(int x, int y, TColor c) { FPixels[static_cast<size_t>(y * FWidth + x)] = c; }

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<TColor> FPixels;
};

// A list of equally sized images, each with a mask of its transparent pixels.
class TCustomImageList {
 public:
  TCustomImageList(int width = 16, int height = 16) : FWidth(width), FHeight(height) {}
  virtual ~TCustomImageList() = default;
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return static_cast<int>(FImages.size()); }
  void Clear() { FImages.clear(); }
  // Cuts `strip` into images of the list's size, left to right, and appends them; pixels of
  // `transparent` colour become transparent. Returns the index of the first image added.
  int AddMasked(const TBitmap& strip, TColor transparent);
  const TBitmap& Image(int index) const;
  bool IsTransparent(int index, int x, int y) const;

 private:
  struct TImage {
    TBitmap Pixels;
    std::vector<bool> Transparent;
  };
  int FWidth;
  int FHeight;
  std::vector<TImage> FImages;
};
