#pragma once
// An independent BI_RLE8 decoder for the tests, strict about what a key frame
// of the clip must be: every pixel written exactly once, no run past the end of
// a row, no delta skips, and the data closed by end-of-bitmap with nothing
// after it. Any breach throws std::runtime_error.

#include <cstdint>
#include <span>
#include <vector>

namespace vexel::test {

struct DecodedPicture {
    int width;
    int height;
    std::vector<std::uint8_t> pixels;  // top row first

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

DecodedPicture DecodeRle8(std::span<const std::uint8_t> data, int width, int height);

}  // namespace vexel::test
