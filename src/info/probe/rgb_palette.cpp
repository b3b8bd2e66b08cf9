#include "info/probe/rgb_palette.h"

namespace vexel {
namespace {

std::uint8_t Intensity(unsigned pixel, const ColorField& field) {
  if (field.bits == 0 || field.bits > kMaxPaletteColorBits || field.shift >= kMaxPaletteColorBits) return 0;
  const unsigned maximum = (1u << field.bits) - 1;
  return static_cast<std::uint8_t>(((pixel >> field.shift) & maximum) * 255 / maximum);
}

}  // namespace

std::vector<RgbEntry> RgbPaletteEntries(const PixelLayout& layout) {
  if (layout.colorBits == 0 || layout.colorBits > kMaxPaletteColorBits) return {};
  std::vector<RgbEntry> entries(1u << layout.colorBits);
  for (unsigned pixel = 0; pixel < entries.size(); ++pixel) {
    entries[pixel] = {Intensity(pixel, layout.red), Intensity(pixel, layout.green), Intensity(pixel, layout.blue)};
  }
  return entries;
}

}  // namespace vexel
