#include "rle8.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace vexel::assets {
namespace {

constexpr std::size_t kMaxRun = 255;
constexpr std::size_t kMinEncodedRun = 3;
constexpr std::size_t kMinAbsoluteRun = 3;
constexpr std::uint8_t kEndOfLine = 0;
constexpr std::uint8_t kEndOfBitmap = 1;

std::size_t RunLength(std::span<const std::uint8_t> pixels, std::size_t start) {
  std::size_t end = start + 1;
  while (end < pixels.size() && end - start < kMaxRun && pixels[end] == pixels[start]) {
    ++end;
  }
  return end - start;
}

bool StartsRun(std::span<const std::uint8_t> pixels, std::size_t start) {
  return RunLength(pixels, start) >= kMinEncodedRun;
}

void PutRuns(Bytes& out, std::span<const std::uint8_t> pixels) {
  for (std::size_t i = 0; i < pixels.size();) {
    const std::size_t length = RunLength(pixels, i);
    Put8(out, static_cast<std::uint32_t>(length));
    Put8(out, pixels[i]);
    i += length;
  }
}

// Absolute mode cannot say 1 or 2 pixels (those counts are escapes), and its
// data is padded to a 16-bit boundary.
void PutLiteral(Bytes& out, std::span<const std::uint8_t> pixels) {
  if (pixels.size() < kMinAbsoluteRun) {
    PutRuns(out, pixels);
    return;
  }
  Put8(out, 0);
  Put8(out, static_cast<std::uint32_t>(pixels.size()));
  Append(out, pixels);
  if (pixels.size() % 2 != 0) {
    Put8(out, 0);
  }
}

std::size_t LiteralEnd(std::span<const std::uint8_t> pixels, std::size_t start) {
  std::size_t end = start + 1;
  while (end < pixels.size() && end - start < kMaxRun && !StartsRun(pixels, end)) {
    ++end;
  }
  return end;
}

void PutRow(Bytes& out, std::span<const std::uint8_t> pixels) {
  for (std::size_t i = 0; i < pixels.size();) {
    if (StartsRun(pixels, i)) {
      const std::size_t length = RunLength(pixels, i);
      PutRuns(out, pixels.subspan(i, length));
      i += length;
    } else {
      const std::size_t end = LiteralEnd(pixels, i);
      PutLiteral(out, pixels.subspan(i, end - i));
      i = end;
    }
  }
}

void PutEscape(Bytes& out, std::uint8_t code) {
  Put8(out, 0);
  Put8(out, code);
}

}  // namespace

Bytes EncodeRle8(const IndexedImage& image) {
  Bytes out;
  for (int y = image.height - 1; y >= 0; --y) {
    PutRow(out, image.Row(y));
    if (y > 0) {
      PutEscape(out, kEndOfLine);
    }
  }
  PutEscape(out, kEndOfBitmap);
  return out;
}

}  // namespace vexel::assets
