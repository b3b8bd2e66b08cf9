#pragma once
// Colours and palettes: the spectrum the strips, the icon and the clip all
// show, the standard VGA palette, and how a palette is stored in a DIB.

#include <cstdint>
#include <vector>

#include "little_endian.h"

namespace vexel::assets {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};
using Palette = std::vector<Rgb>;

// Channels are clamped to 0..255.
Rgb MakeRgb(int red, int green, int blue);

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

// `from` moved towards `to` by weight / scale.
Rgb Mix(Rgb from, Rgb to, int weight, int scale);

int DistanceSquared(Rgb a, Rgb b);

// Step `step` of `steps` along the rainbow from red to magenta.
Rgb SpectrumColour(int step, int steps);

// The same rainbow rising out of shadow on the left and brightening towards
// white on the right, so the strip shows shades as well as hues.
Rgb ShadedSpectrumColour(int step, int steps);

// The 16 colours of a standard VGA DIB, in the order Windows uses.
Palette VgaPalette();

// Indices into VgaPalette().
namespace vga {
inline constexpr std::uint8_t kBlack = 0;
inline constexpr std::uint8_t kSilver = 7;
inline constexpr std::uint8_t kGray = 8;
inline constexpr std::uint8_t kRed = 9;
inline constexpr std::uint8_t kLime = 10;
inline constexpr std::uint8_t kYellow = 11;
inline constexpr std::uint8_t kBlue = 12;
inline constexpr std::uint8_t kFuchsia = 13;
inline constexpr std::uint8_t kAqua = 14;
inline constexpr std::uint8_t kWhite = 15;
}  // namespace vga

// The palette as a DIB colour table: blue, green, red and a zero byte each.
Bytes PaletteBytes(const Palette& palette);

}  // namespace vexel::assets
