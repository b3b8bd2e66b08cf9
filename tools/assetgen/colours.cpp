#include "colours.h"

#include <algorithm>
#include <array>

namespace vexel::assets {
namespace {

// Red through yellow, green, cyan and blue to magenta: the rainbow part of the
// hue circle, so the two ends of a strip stay clearly different.
constexpr std::array<Rgb, 6> kSpectrumStops{
    {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255}, {255, 0, 255}}};

}  // namespace

Rgb MakeRgb(int red, int green, int blue) {
  auto channel = [](int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); };
  return {channel(red), channel(green), channel(blue)};
}

Rgb Mix(Rgb from, Rgb to, int weight, int scale) {
  auto channel = [&](int a, int b) { return a + (b - a) * weight / scale; };
  return MakeRgb(channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue));
}

int DistanceSquared(Rgb a, Rgb b) {
  const int red = a.red - b.red;
  const int green = a.green - b.green;
  const int blue = a.blue - b.blue;
  return red * red + green * green + blue * blue;
}

Rgb SpectrumColour(int step, int steps) {
  constexpr int kStopScale = 256;
  const int lastStop = static_cast<int>(kSpectrumStops.size()) - 1;
  const int position = step * lastStop * kStopScale / std::max(steps - 1, 1);
  const int stop = position / kStopScale;
  if (stop >= lastStop) {
    return kSpectrumStops.back();
  }
  return Mix(kSpectrumStops[stop], kSpectrumStops[stop + 1], position % kStopScale, kStopScale);
}

Rgb ShadedSpectrumColour(int step, int steps) {
  const Rgb hue = SpectrumColour(step, steps);
  const int position = step * 256 / steps;
  if (position < 96) {
    return Mix(kBlack, hue, 64 + position * 2, 256);
  }
  if (position < 160) {
    return hue;
  }
  return Mix(hue, kWhite, (position - 160) * 5 / 3, 256);
}

Palette VgaPalette() {
  return {{0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
          {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
          {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
}

Bytes PaletteBytes(const Palette& palette) {
  Bytes out;
  for (const Rgb& colour : palette) {
    const std::array<std::uint8_t, 4> quad{colour.blue, colour.green, colour.red, 0};
    Append(out, quad);
  }
  return out;
}

}  // namespace vexel::assets
