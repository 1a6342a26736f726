#pragma once
// The component's picture on the designer's palette: 24 by 24 pixels in the 16 standard colours,
// a book whose pages carry a red trace.

#include "platform/graphics.h"

TBitmap TracebookPaletteImage();
