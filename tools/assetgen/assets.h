#pragma once
// The generated artwork of the panel: the program icon, the three colour-sample
// strips and the animation clip of the page headers. Every file is built in
// memory, byte for byte the same on every run, so the resource build is
// reproducible and the tests can inspect exactly what ships.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vexel::assets {

using Bytes = std::vector<std::uint8_t>;

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

// One BI_RLE8 picture: the rows bottom-up as DIBs store them, each row
// complete (encoded runs of at most 255, absolute runs padded to a word),
// rows separated by end-of-line and the whole closed by end-of-bitmap.
Bytes EncodeRle8(const IndexedImage& image);

Bytes MakeIcon();
Bytes MakeSpectrum16Bitmap();
Bytes MakeSpectrum256aBitmap();
Bytes MakeSpectrum256bBitmap();
Bytes MakeAnimationAvi();

struct AssetFile {
    std::string_view fileName;
    Bytes (*make)();
};

// The files the resource script includes, under the names it uses.
std::span<const AssetFile> AllAssets();

}  // namespace vexel::assets
