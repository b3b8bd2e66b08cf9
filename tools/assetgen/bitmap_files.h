#pragma once
// The program icon and the three colour-sample strips, plus the DIB info
// header they share with the clip's stream format.

#include <cstdint>

#include "little_endian.h"

namespace vexel::assets {

// DIB compression codes.
inline constexpr int kBiRgb = 0;
inline constexpr int kBiRle8 = 1;

struct BitmapShape {
  int width;
  int height;
  int bitsPerPixel;
  int compression;
  std::uint32_t imageSize;
  std::uint32_t coloursUsed;
};

// A 40-byte BITMAPINFOHEADER.
Bytes InfoHeader(const BitmapShape& shape);

Bytes MakeIcon();
Bytes MakeSpectrum16Bitmap();
Bytes MakeSpectrum256aBitmap();
Bytes MakeSpectrum256bBitmap();

}  // namespace vexel::assets
