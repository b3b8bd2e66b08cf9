#pragma once
// The 8-bit indexed picture every asset is drawn into, and the few primitives
// the icon and the clip paint with. Drawing is clipped to the picture.

#include <cstdint>
#include <span>
#include <vector>

namespace vexel::assets {

// An 8-bit indexed picture, rows stored top to bottom.
struct IndexedImage {
  IndexedImage(int imageWidth, int imageHeight, std::uint8_t fill);

  std::uint8_t& At(int x, int y);
  std::uint8_t At(int x, int y) const;
  std::span<const std::uint8_t> Row(int y) const;

  int width;
  int height;
  std::vector<std::uint8_t> pixels;
};

struct Point {
  int x;
  int y;
};

struct Rect {
  int left;
  int top;
  int right;
  int bottom;
};

void Plot(IndexedImage& image, Point at, std::uint8_t colour);
void FillRect(IndexedImage& image, Rect area, std::uint8_t colour);
void DrawFrame(IndexedImage& image, Rect area, std::uint8_t colour);
// Bresenham's line, both ends included.
void DrawLine(IndexedImage& image, Point from, Point to, std::uint8_t colour);

}  // namespace vexel::assets
