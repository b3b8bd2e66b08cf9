#include "bitmap_files.h"

#include <array>
#include <cstddef>

#include "colours.h"
#include "drawing.h"

namespace vexel::assets {
namespace {

// ---------------------------------------------------------------------------
// Device-independent bitmaps

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

int RowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// Rows bottom-up, pixels packed most significant bits first, each row padded
// to a 32-bit boundary.
Bytes PackedRows(const IndexedImage& image, int bitsPerPixel) {
  const int stride = RowStride(image.width, bitsPerPixel);
  Bytes out(static_cast<std::size_t>(stride) * image.height, 0);
  for (int y = 0; y < image.height; ++y) {
    std::uint8_t* row = out.data() + static_cast<std::size_t>(image.height - 1 - y) * stride;
    for (int x = 0; x < image.width; ++x) {
      const int bit = x * bitsPerPixel;
      const int shift = 8 - bitsPerPixel - bit % 8;
      row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | image.At(x, y) << shift);
    }
  }
  return out;
}

Bytes BitmapFile(const IndexedImage& image, const Palette& palette, int bitsPerPixel) {
  const Bytes rows = PackedRows(image, bitsPerPixel);
  const Bytes info = InfoHeader(
      {image.width, image.height, bitsPerPixel, kBiRgb, SizeOf(rows), static_cast<std::uint32_t>(palette.size())});
  const Bytes colours = PaletteBytes(palette);
  const std::uint32_t pixelOffset = kFileHeaderSize + SizeOf(info) + SizeOf(colours);
  Bytes out;
  PutFourcc(out, "BM");
  Put32(out, pixelOffset + SizeOf(rows));
  Put32(out, 0);
  Put32(out, pixelOffset);
  Append(out, info);
  Append(out, colours);
  Append(out, rows);
  return out;
}

// ---------------------------------------------------------------------------
// Colour-sample strips

constexpr int kStripWidth = 128;
constexpr int kStripHeight = 24;

// Ordered dithering: a target colour is shown as a fixed pattern of two palette
// colours, the share of the second one given in sixteenths. The Bayer matrix
// spreads that share evenly over every 4 x 4 block.
constexpr int kBayerLevels = 16;
constexpr std::array<std::array<int, 4>, 4> kBayer{{{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};

struct DitherMix {
  std::uint8_t first;
  std::uint8_t second;
  int secondShare;
  int cost;
};

// Pairs of very different colours would match on average but look grainy.
int MixCost(Rgb first, Rgb second, int share, Rgb target) {
  return DistanceSquared(Mix(first, second, share, kBayerLevels), target) + DistanceSquared(first, second) / 64;
}

DitherMix BestShare(const Palette& palette, std::uint8_t first, std::uint8_t second, Rgb target) {
  DitherMix best{first, second, 0, MixCost(palette[first], palette[second], 0, target)};
  for (int share = 1; share <= kBayerLevels; ++share) {
    const int cost = MixCost(palette[first], palette[second], share, target);
    if (cost < best.cost) {
      best = {first, second, share, cost};
    }
  }
  return best;
}

DitherMix BestMix(const Palette& palette, Rgb target) {
  DitherMix best = BestShare(palette, 0, 0, target);
  const auto count = static_cast<std::uint8_t>(palette.size());
  for (std::uint8_t first = 0; first < count; ++first) {
    for (std::uint8_t second = first; second < count; ++second) {
      const DitherMix candidate = BestShare(palette, first, second, target);
      if (candidate.cost < best.cost) {
        best = candidate;
      }
    }
  }
  return best;
}

IndexedImage DitheredSpectrum(const Palette& palette) {
  IndexedImage image(kStripWidth, kStripHeight, 0);
  for (int x = 0; x < kStripWidth; ++x) {
    const DitherMix mix = BestMix(palette, SpectrumColour(x, kStripWidth));
    for (int y = 0; y < kStripHeight; ++y) {
      image.At(x, y) = kBayer[y % 4][x % 4] < mix.secondShare ? mix.second : mix.first;
    }
  }
  return image;
}

constexpr int kRampSize = 256;

Palette RampPalette(Rgb (*colourAt)(int step, int steps)) {
  Palette palette;
  for (int step = 0; step < kRampSize; ++step) {
    palette.push_back(colourAt(step, kRampSize));
  }
  return palette;
}

// Every column takes the ramp entry at its share of the strip's width.
Bytes SmoothStrip(Rgb (*colourAt)(int step, int steps)) {
  IndexedImage image(kStripWidth, kStripHeight, 0);
  for (int y = 0; y < kStripHeight; ++y) {
    for (int x = 0; x < kStripWidth; ++x) {
      image.At(x, y) = static_cast<std::uint8_t>(x * kRampSize / kStripWidth);
    }
  }
  return BitmapFile(image, RampPalette(colourAt), 8);
}

// ---------------------------------------------------------------------------
// Icon: a small monitor whose screen shows the spectrum.

constexpr std::uint8_t kClear = 0xFF;
constexpr int kIconBits = 4;

IndexedImage MonitorPicture(int size) {
  const int unit = size / 16;
  IndexedImage picture(size, size, kClear);
  const Rect bezel{0, unit, size, 12 * unit};
  FillRect(picture, bezel, vga::kSilver);
  DrawFrame(picture, bezel, vga::kBlack);
  FillRect(picture, {1, unit + 1, size - 1, unit + 2}, vga::kWhite);
  constexpr std::array<std::uint8_t, 6> kStripes{vga::kRed,  vga::kYellow, vga::kLime,
                                                 vga::kAqua, vga::kBlue,   vga::kFuchsia};
  for (int i = 0; i < static_cast<int>(kStripes.size()); ++i) {
    FillRect(picture, {(2 + 2 * i) * unit, 3 * unit, (4 + 2 * i) * unit, 10 * unit}, kStripes[i]);
  }
  DrawFrame(picture, {2 * unit - 1, 3 * unit - 1, 14 * unit + 1, 10 * unit + 1}, vga::kGray);
  FillRect(picture, {6 * unit, 12 * unit, 10 * unit, 14 * unit}, vga::kGray);
  const Rect foot{3 * unit, 14 * unit, 13 * unit, 16 * unit};
  FillRect(picture, foot, vga::kSilver);
  DrawFrame(picture, foot, vga::kBlack);
  return picture;
}

// An icon image is a DIB of twice the height: the colour rows, then the
// 1-bit AND mask that makes the cleared pixels transparent.
Bytes IconImage(const IndexedImage& picture) {
  IndexedImage colours = picture;
  IndexedImage mask(picture.width, picture.height, 0);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    const bool clear = picture.pixels[i] == kClear;
    colours.pixels[i] = clear ? vga::kBlack : picture.pixels[i];
    mask.pixels[i] = clear ? 1 : 0;
  }
  const Bytes colourRows = PackedRows(colours, kIconBits);
  const Bytes maskRows = PackedRows(mask, 1);
  const Palette palette = VgaPalette();
  Bytes out = InfoHeader({picture.width, 2 * picture.height, kIconBits, kBiRgb, SizeOf(colourRows) + SizeOf(maskRows),
                          static_cast<std::uint32_t>(palette.size())});
  Append(out, PaletteBytes(palette));
  Append(out, colourRows);
  Append(out, maskRows);
  return out;
}

constexpr int kIconDirSize = 6;
constexpr int kIconEntrySize = 16;

void PutIconEntry(Bytes& out, int size, const Bytes& image, std::uint32_t offset) {
  Put8(out, size);
  Put8(out, size);
  Put8(out, 1 << kIconBits);
  Put8(out, 0);
  Put16(out, 1);
  Put16(out, kIconBits);
  Put32(out, SizeOf(image));
  Put32(out, offset);
}

}  // namespace

Bytes InfoHeader(const BitmapShape& shape) {
  Bytes out;
  Put32(out, kInfoHeaderSize);
  Put32(out, shape.width);
  Put32(out, shape.height);
  Put16(out, 1);
  Put16(out, shape.bitsPerPixel);
  Put32(out, shape.compression);
  Put32(out, shape.imageSize);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, shape.coloursUsed);
  Put32(out, 0);
  return out;
}

Bytes MakeIcon() {
  const std::array<int, 2> sizes{32, 16};
  std::vector<Bytes> images;
  for (int size : sizes) {
    images.push_back(IconImage(MonitorPicture(size)));
  }
  Bytes out;
  Put16(out, 0);
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = kIconDirSize + kIconEntrySize * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    PutIconEntry(out, sizes[i], images[i], offset);
    offset += SizeOf(images[i]);
  }
  for (const Bytes& image : images) {
    Append(out, image);
  }
  return out;
}

Bytes MakeSpectrum16Bitmap() {
  const Palette palette = VgaPalette();
  return BitmapFile(DitheredSpectrum(palette), palette, 4);
}

Bytes MakeSpectrum256aBitmap() { return SmoothStrip(SpectrumColour); }

Bytes MakeSpectrum256bBitmap() { return SmoothStrip(ShadedSpectrumColour); }

}  // namespace vexel::assets
