#include "animation_frames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <string_view>
#include <vector>

namespace vexel::assets {
namespace {

// The cube turns a quarter turn and the band one bar length per cycle, so the
// last frame leads seamlessly back to the first. With the usual dialog font the
// centred control is only about 180 x 68 pixels and shows the middle of the
// clip, so all of the imagery stays inside that area.

// Palette layout: the background, the cube's depth shades, the text, then the
// band's hues once for every glow level.
constexpr std::uint8_t kClipBackground = 0;
constexpr int kShadeBase = 1;
constexpr int kShadeCount = 16;
constexpr std::uint8_t kTextColour = kShadeBase + kShadeCount;
constexpr int kBandBase = 64;
constexpr int kBandHues = 48;
constexpr int kBandLevels = 4;

struct Vec3 {
  double x;
  double y;
  double z;
};

constexpr Point kCubeCentre{60, 42};
constexpr double kCubeScale = 18.0;
constexpr double kViewDistance = 5.0;
constexpr double kTilt = 0.45;
// How far an edge's midpoint lies from the cube's centre.
const double kEdgeReach = std::sqrt(2.0);

Vec3 CubeCorner(int index) {
  auto side = [&](int bit) { return (index & bit) != 0 ? 1.0 : -1.0; };
  return {side(1), side(2), side(4)};
}

// Turn about the vertical axis, then tip the top towards the viewer.
Vec3 Turn(Vec3 v, double spin) {
  const Vec3 spun{v.x * std::cos(spin) + v.z * std::sin(spin), v.y, v.z * std::cos(spin) - v.x * std::sin(spin)};
  return {spun.x, spun.y * std::cos(kTilt) - spun.z * std::sin(kTilt),
          spun.y * std::sin(kTilt) + spun.z * std::cos(kTilt)};
}

Point Project(Vec3 v) {
  const double perspective = kCubeScale * kViewDistance / (kViewDistance - v.z);
  return {kCubeCentre.x + static_cast<int>(std::lround(v.x * perspective)),
          kCubeCentre.y - static_cast<int>(std::lround(v.y * perspective))};
}

struct Edge {
  Vec3 from;
  Vec3 to;
};

std::vector<Edge> TurnedCubeEdges(double spin) {
  std::vector<Edge> edges;
  for (int corner = 0; corner < 8; ++corner) {
    for (int bit = 1; bit < 8; bit <<= 1) {
      if ((corner & bit) == 0) {
        edges.push_back({Turn(CubeCorner(corner), spin), Turn(CubeCorner(corner | bit), spin)});
      }
    }
  }
  return edges;
}

double Depth(const Edge& edge) { return (edge.from.z + edge.to.z) / 2; }

std::uint8_t DepthShade(double depth) {
  const double nearness = (depth + kEdgeReach) / (2 * kEdgeReach);
  return static_cast<std::uint8_t>(kShadeBase + std::lround(nearness * (kShadeCount - 1)));
}

// Far edges first, so the near ones are drawn over them.
void DrawCube(IndexedImage& frame, int index) {
  const double spin = std::numbers::pi / 2 * index / kClipFrames;
  std::vector<Edge> edges = TurnedCubeEdges(spin);
  std::stable_sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return Depth(a) < Depth(b); });
  for (const Edge& edge : edges) {
    DrawLine(frame, Project(edge.from), Project(edge.to), DepthShade(Depth(edge)));
  }
}

struct Glyph {
  char letter;
  std::array<std::uint8_t, 7> rows;  // five pixels a row, bit 4 leftmost
};

constexpr int kGlyphWidth = 5;
constexpr std::array<Glyph, 7> kFont{{
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'x', {0x00, 0x00, 0x11, 0x0A, 0x04, 0x0A, 0x11}},
    {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'a', {0x00, 0x00, 0x0E, 0x01, 0x0F, 0x11, 0x0F}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}},
}};

constexpr const Glyph* FindGlyph(char letter) {
  for (const Glyph& glyph : kFont) {
    if (glyph.letter == letter) {
      return &glyph;
    }
  }
  return nullptr;
}

constexpr std::string_view kClipText = "VexelPanel";
static_assert(std::ranges::all_of(kClipText, [](char letter) { return FindGlyph(letter) != nullptr; }),
              "the clip's font lacks a letter of its text");

void DrawGlyph(IndexedImage& frame, const Glyph& glyph, Point origin, int scale) {
  for (int row = 0; row < static_cast<int>(glyph.rows.size()); ++row) {
    for (int column = 0; column < kGlyphWidth; ++column) {
      if ((glyph.rows[row] >> (kGlyphWidth - 1 - column) & 1) != 0) {
        const Point at{origin.x + column * scale, origin.y + row * scale};
        FillRect(frame, {at.x, at.y, at.x + scale, at.y + scale}, kTextColour);
      }
    }
  }
}

constexpr Point kTextOrigin{98, 18};
constexpr int kTextScale = 2;

void DrawName(IndexedImage& frame) {
  Point origin = kTextOrigin;
  for (char letter : kClipText) {
    DrawGlyph(frame, *FindGlyph(letter), origin, kTextScale);
    origin.x += kGlyphWidth * kTextScale + 1;
  }
}

constexpr Rect kBar{98, 44, 207, 56};
constexpr int kBandFalloff = 5;

int CyclicDistance(int a, int b, int period) {
  const int distance = std::abs(a - b) % period;
  return std::min(distance, period - distance);
}

void DrawSpectrumBar(IndexedImage& frame, int index) {
  const int width = kBar.right - kBar.left;
  const int bandCentre = index * width / kClipFrames;
  for (int column = 0; column < width; ++column) {
    const int glow = std::max(0, kBandLevels - 1 - CyclicDistance(column, bandCentre, width) / kBandFalloff);
    const int hue = column * kBandHues / width;
    const auto colour = static_cast<std::uint8_t>(kBandBase + glow * kBandHues + hue);
    FillRect(frame, {kBar.left + column, kBar.top, kBar.left + column + 1, kBar.bottom}, colour);
  }
}

}  // namespace

Palette ClipPalette() {
  Palette palette(kClipPaletteSize, kBlack);
  for (int i = 0; i < kShadeCount; ++i) {
    palette[kShadeBase + i] = Mix(MakeRgb(0, 40, 96), MakeRgb(224, 255, 255), i, kShadeCount - 1);
  }
  palette[kTextColour] = kWhite;
  for (int level = 0; level < kBandLevels; ++level) {
    for (int hue = 0; hue < kBandHues; ++hue) {
      palette[kBandBase + level * kBandHues + hue] = Mix(SpectrumColour(hue, kBandHues), kWhite, level, kBandLevels);
    }
  }
  return palette;
}

IndexedImage ClipFrame(int index) {
  IndexedImage frame(kClipWidth, kClipHeight, kClipBackground);
  DrawCube(frame, index);
  DrawName(frame);
  DrawSpectrumBar(frame, index);
  return frame;
}

}  // namespace vexel::assets
