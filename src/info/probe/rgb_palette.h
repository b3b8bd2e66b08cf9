// The logical palette for an RGBA pixel format that draws through a palette:
// entry i holds the colour that pixel value i stands for in the format's
// red, green and blue bit fields.
#pragma once
#include <cstdint>
#include <vector>

namespace vexel {

// One colour component's place in a pixel value.
struct ColorField {
  unsigned bits = 0;
  unsigned shift = 0;
};

struct PixelLayout {
  unsigned colorBits = 0;
  ColorField red;
  ColorField green;
  ColorField blue;
};

struct RgbEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const RgbEntry&, const RgbEntry&) = default;
};

// Formats that need a palette have at most this many colour bits; a layout
// with more (or none) gets no palette.
inline constexpr unsigned kMaxPaletteColorBits = 8;

// 2 to the power of colorBits entries, each field's value scaled to 0..255.
std::vector<RgbEntry> RgbPaletteEntries(const PixelLayout& layout);

}  // namespace vexel
