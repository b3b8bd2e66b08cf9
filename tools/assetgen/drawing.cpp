#include "drawing.h"

#include <cstddef>
#include <cstdlib>

namespace vexel::assets {

IndexedImage::IndexedImage(int imageWidth, int imageHeight, std::uint8_t fill)
    : width(imageWidth), height(imageHeight), pixels(static_cast<std::size_t>(imageWidth) * imageHeight, fill) {}

std::uint8_t& IndexedImage::At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }

std::uint8_t IndexedImage::At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

std::span<const std::uint8_t> IndexedImage::Row(int y) const {
  return std::span<const std::uint8_t>(pixels).subspan(static_cast<std::size_t>(y) * width, width);
}

void Plot(IndexedImage& image, Point at, std::uint8_t colour) {
  if (at.x >= 0 && at.x < image.width && at.y >= 0 && at.y < image.height) {
    image.At(at.x, at.y) = colour;
  }
}

void FillRect(IndexedImage& image, Rect area, std::uint8_t colour) {
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      Plot(image, {x, y}, colour);
    }
  }
}

void DrawFrame(IndexedImage& image, Rect area, std::uint8_t colour) {
  FillRect(image, {area.left, area.top, area.right, area.top + 1}, colour);
  FillRect(image, {area.left, area.bottom - 1, area.right, area.bottom}, colour);
  FillRect(image, {area.left, area.top, area.left + 1, area.bottom}, colour);
  FillRect(image, {area.right - 1, area.top, area.right, area.bottom}, colour);
}

void DrawLine(IndexedImage& image, Point from, Point to, std::uint8_t colour) {
  const int dx = std::abs(to.x - from.x);
  const int dy = -std::abs(to.y - from.y);
  const int stepX = from.x < to.x ? 1 : -1;
  const int stepY = from.y < to.y ? 1 : -1;
  int error = dx + dy;
  for (Point at = from;;) {
    Plot(image, at, colour);
    if (at.x == to.x && at.y == to.y) {
      return;
    }
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      at.x += stepX;
    }
    if (doubled <= dx) {
      error += dx;
      at.y += stepY;
    }
  }
}

}  // namespace vexel::assets
