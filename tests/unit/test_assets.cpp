#include "assets.h"
#include "riff_reader.h"
#include "rle8_decoder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <set>

namespace vexel::test {
namespace {

using assets::Bytes;
using assets::IndexedImage;

// ---------------------------------------------------------------------------
// RLE8 encoder

IndexedImage OneRow(const std::vector<std::uint8_t>& pixels) {
    IndexedImage image(static_cast<int>(pixels.size()), 1, 0);
    image.pixels = pixels;
    return image;
}

std::vector<std::uint8_t> Repeat(std::uint8_t value, int count) {
    return std::vector<std::uint8_t>(static_cast<std::size_t>(count), value);
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<std::uint8_t> Distinct(int count, int first) {
    std::vector<std::uint8_t> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(static_cast<std::uint8_t>(first + i));
    }
    return values;
}

void ExpectRoundTrip(const IndexedImage& image) {
    const DecodedPicture decoded = DecodeRle8(assets::EncodeRle8(image), image.width, image.height);
    EXPECT_EQ(decoded.pixels, image.pixels);
}

TEST(AssetRle8, RoundTripsTrickyRows) {
    const std::vector<std::vector<std::uint8_t>> rows{
        {7},
        {1, 2},
        {3, 3},
        Distinct(3, 10),
        Distinct(5, 20),
        Concat({Distinct(7, 30), Repeat(9, 1), Repeat(4, 2)}),
        Concat({Repeat(5, 255), Repeat(5, 255), Repeat(5, 3)}),
        Concat({Repeat(6, 256), Distinct(1, 60)}),
        Concat({Distinct(1, 70), Repeat(6, 254), Distinct(2, 80)}),
        Distinct(300, 0),
        Concat({Distinct(255, 0), Distinct(1, 90), Repeat(2, 4)}),
        {1, 1, 2, 2, 3, 3, 4, 4, 5},
        Repeat(0, 240),
        Repeat(200, 1000),
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row of " << row.size() << " pixels starting " << int{row.front()});
        ExpectRoundTrip(OneRow(row));
    }
}

TEST(AssetRle8, CompressesOneColourToRunsOfAtMost255) {
    // 600 pixels: runs of 255, 255 and 90, then end-of-bitmap.
    EXPECT_EQ(assets::EncodeRle8(OneRow(Repeat(42, 600))), (Bytes{255, 42, 255, 42, 90, 42, 0, 1}));
}

TEST(AssetRle8, RoundTripsRandomPicturesOfEveryRowWidth) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> colour(0, 2);
    for (int width = 1; width <= 33; ++width) {
        IndexedImage image(width, 5, 0);
        for (std::uint8_t& pixel : image.pixels) {
            pixel = static_cast<std::uint8_t>(colour(random));
        }
        SCOPED_TRACE(width);
        ExpectRoundTrip(image);
    }
}

// ---------------------------------------------------------------------------
// Animation clip

constexpr int kClipWidth = 240;
constexpr int kClipHeight = 84;
constexpr int kClipFrames = 41;

struct ParsedAvi {
    Bytes file;
    RiffChunk riff;
    std::vector<RiffChunk> top;
    std::vector<RiffChunk> header;
    std::vector<RiffChunk> stream;
    std::vector<RiffChunk> movie;
};

const ParsedAvi& Clip() {
    static const ParsedAvi clip = [] {
        ParsedAvi parsed;
        parsed.file = assets::MakeAnimationAvi();
        parsed.riff = OnlyChunk(ReadChunks(parsed.file), "RIFF", "AVI ");
        parsed.top = ReadChunks(parsed.riff.data);
        parsed.header = ReadChunks(OnlyChunk(parsed.top, "LIST", "hdrl").data);
        parsed.stream = ReadChunks(OnlyChunk(parsed.header, "LIST", "strl").data);
        parsed.movie = ReadChunks(OnlyChunk(parsed.top, "LIST", "movi").data);
        return parsed;
    }();
    return clip;
}

std::vector<DecodedPicture> DecodedFrames() {
    std::vector<DecodedPicture> frames;
    for (const RiffChunk& chunk : FindChunks(Clip().movie, "00dc")) {
        frames.push_back(DecodeRle8(chunk.data, kClipWidth, kClipHeight));
    }
    return frames;
}

int PixelsChanged(const DecodedPicture& a, const DecodedPicture& b) {
    int changed = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        changed += a.pixels[i] != b.pixels[i] ? 1 : 0;
    }
    return changed;
}

TEST(AssetAvi, MainHeaderDescribesOneStreamOfFortyOneFrames) {
    const ByteSpan avih = OnlyChunk(Clip().header, "avih").data;
    ASSERT_EQ(avih.size(), 56u);
    EXPECT_EQ(Read32(avih, 0), 66667u);
    EXPECT_NE(Read32(avih, 12) & 0x10, 0u) << "AVIF_HASINDEX";
    EXPECT_EQ(Read32(avih, 16), 41u);
    EXPECT_EQ(Read32(avih, 24), 1u);
    EXPECT_EQ(Read32(avih, 32), 240u);
    EXPECT_EQ(Read32(avih, 36), 84u);
    EXPECT_EQ(Clip().riff.data.size() + 12, Clip().file.size());
}

TEST(AssetAvi, OnlyStreamIsVideoAtFifteenFramesASecond) {
    EXPECT_EQ(FindChunks(Clip().header, "LIST", "strl").size(), 1u);
    const ByteSpan strh = OnlyChunk(Clip().stream, "strh").data;
    ASSERT_EQ(strh.size(), 56u);
    EXPECT_EQ(ReadFourcc(strh, 0), "vids");
    EXPECT_NEAR(double(Read32(strh, 24)) / Read32(strh, 20), 15.0, 0.01);
    EXPECT_EQ(Read32(strh, 32), 41u);
    EXPECT_EQ(Read16(strh, 52), 240u);
    EXPECT_EQ(Read16(strh, 54), 84u);
    const std::string all(Clip().file.begin(), Clip().file.end());
    EXPECT_EQ(all.find("auds"), std::string::npos);
}

TEST(AssetAvi, FormatIsRle8WithFullPaletteAndRoomForEveryFrame) {
    const ByteSpan strf = OnlyChunk(Clip().stream, "strf").data;
    ASSERT_EQ(strf.size(), 40u + 256 * 4);
    EXPECT_EQ(Read32(strf, 0), 40u);
    EXPECT_EQ(Read32(strf, 4), 240u);
    EXPECT_EQ(Read32(strf, 8), 84u);
    EXPECT_EQ(Read16(strf, 14), 8u);
    EXPECT_EQ(Read32(strf, 16), 1u) << "BI_RLE8";
    EXPECT_EQ(Read32(strf, 32), 256u);
    const std::uint32_t largest = Read32(strf, 20);
    for (const RiffChunk& frame : Clip().movie) {
        EXPECT_LE(frame.data.size(), largest);
    }
}

TEST(AssetAvi, IndexListsEveryFrameChunkAsKeyFrame) {
    const std::vector<RiffChunk> frames = FindChunks(Clip().movie, "00dc");
    ASSERT_EQ(frames.size(), 41u);
    EXPECT_EQ(Clip().movie.size(), frames.size());
    const ByteSpan index = OnlyChunk(Clip().top, "idx1").data;
    ASSERT_EQ(index.size(), frames.size() * 16);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(ReadFourcc(index, i * 16), "00dc");
        EXPECT_NE(Read32(index, i * 16 + 4) & 0x10, 0u) << "AVIIF_KEYFRAME";
        EXPECT_EQ(Read32(index, i * 16 + 8), frames[i].position + 4) << "offset from the 'movi' form type";
        EXPECT_EQ(Read32(index, i * 16 + 12), frames[i].data.size());
    }
}

TEST(AssetAvi, EveryFrameDecodesToACompletePicture) {
    for (const RiffChunk& chunk : FindChunks(Clip().movie, "00dc")) {
        SCOPED_TRACE(chunk.position);
        DecodedPicture frame{0, 0, {}};
        ASSERT_NO_THROW(frame = DecodeRle8(chunk.data, kClipWidth, kClipHeight));
        const std::set<std::uint8_t> colours(frame.pixels.begin(), frame.pixels.end());
        EXPECT_GT(colours.size(), 20u) << "the frame shows the cube, the name and the spectrum";
    }
}

TEST(AssetAvi, FramesMoveAndTheLastLeadsSmoothlyBackToTheFirst) {
    const std::vector<DecodedPicture> frames = DecodedFrames();
    ASSERT_EQ(frames.size(), std::size_t{kClipFrames});
    std::vector<int> steps;
    for (std::size_t i = 1; i < frames.size(); ++i) {
        steps.push_back(PixelsChanged(frames[i - 1], frames[i]));
    }
    const auto [smallest, largest] = std::minmax_element(steps.begin(), steps.end());
    EXPECT_GT(*smallest, 0) << "a frame repeats its predecessor";
    const int wrap = PixelsChanged(frames.back(), frames.front());
    EXPECT_GE(wrap, *smallest) << "the loop stutters";
    EXPECT_LE(wrap, *largest) << "the loop jumps";
}

// ---------------------------------------------------------------------------
// Colour-sample bitmaps

struct Colour {
    int red;
    int green;
    int blue;
};

struct ParsedBitmap {
    int width;
    int height;
    int bitsPerPixel;
    std::vector<Colour> palette;
    std::vector<int> indices;  // top row first

    Colour At(int x, int y) const { return palette.at(static_cast<std::size_t>(indices.at(y * width + x))); }
};

std::vector<Colour> ReadPalette(ByteSpan bytes, std::size_t offset, std::uint32_t count) {
    std::vector<Colour> palette;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = offset + i * 4;
        palette.push_back({int(ReadLe(bytes, entry + 2, 1)), int(ReadLe(bytes, entry + 1, 1)), int(ReadLe(bytes, entry, 1))});
    }
    return palette;
}

// Pixel indices of bottom-up rows padded to 32 bits, most significant bits first.
std::vector<int> ReadIndices(ByteSpan rows, int width, int height, int bitsPerPixel) {
    const int stride = (width * bitsPerPixel + 31) / 32 * 4;
    std::vector<int> indices;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int bit = x * bitsPerPixel;
            const std::size_t at = static_cast<std::size_t>((height - 1 - y) * stride + bit / 8);
            const auto byte = int(ReadLe(rows, at, 1));
            indices.push_back(byte >> (8 - bitsPerPixel - bit % 8) & ((1 << bitsPerPixel) - 1));
        }
    }
    return indices;
}

ParsedBitmap ParseBitmapFile(const Bytes& file) {
    EXPECT_EQ(ReadFourcc(file, 0).substr(0, 2), "BM");
    EXPECT_EQ(Read32(file, 2), file.size());
    const ByteSpan info = ByteSpan(file).subspan(14);
    EXPECT_EQ(Read32(info, 0), 40u);
    EXPECT_EQ(Read16(info, 12), 1u);
    EXPECT_EQ(Read32(info, 16), 0u) << "BI_RGB";
    const auto width = int(Read32(info, 4));
    const auto height = int(Read32(info, 8));
    const auto bits = int(Read16(info, 14));
    const std::uint32_t colours = Read32(info, 32);
    const std::size_t pixelOffset = 14 + 40 + colours * 4;
    EXPECT_EQ(Read32(file, 10), pixelOffset);
    EXPECT_EQ(file.size() - pixelOffset, std::size_t((width * bits + 31) / 32 * 4 * height));
    return {width, height, bits, ReadPalette(info, 40, colours),
            ReadIndices(ByteSpan(file).subspan(pixelOffset), width, height, bits)};
}

int ChannelStep(Colour a, Colour b) {
    return std::max({std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

bool RowsRepeat(const ParsedBitmap& strip) {
    for (int y = 1; y < strip.height; ++y) {
        for (int x = 0; x < strip.width; ++x) {
            if (strip.indices[y * strip.width + x] != strip.indices[x]) {
                return false;
            }
        }
    }
    return true;
}

// The mean colour of a 4 x 4 block: what the eye sees of an ordered dither.
Colour BlockMean(const ParsedBitmap& strip, int left, int top) {
    Colour sum{0, 0, 0};
    for (int y = top; y < top + 4; ++y) {
        for (int x = left; x < left + 4; ++x) {
            const Colour c = strip.At(x, y);
            sum = {sum.red + c.red, sum.green + c.green, sum.blue + c.blue};
        }
    }
    return {sum.red / 16, sum.green / 16, sum.blue / 16};
}

TEST(AssetBitmap, SixteenColourStripIsADitheredSpectrum) {
    const ParsedBitmap strip = ParseBitmapFile(assets::MakeSpectrum16Bitmap());
    ASSERT_EQ(strip.width, 128);
    ASSERT_EQ(strip.height, 24);
    ASSERT_EQ(strip.bitsPerPixel, 4);
    ASSERT_EQ(strip.palette.size(), 16u);
    EXPECT_FALSE(RowsRepeat(strip)) << "ordered dithering varies from row to row";
    for (int left = 4; left < strip.width; left += 4) {
        SCOPED_TRACE(left);
        EXPECT_LE(ChannelStep(BlockMean(strip, left - 4, 0), BlockMean(strip, left, 0)), 80)
            << "neighbouring blocks blend rather than jump between palette colours";
    }
    const Colour first = strip.At(0, 0);
    const Colour last = strip.At(strip.width - 1, 0);
    EXPECT_TRUE(first.red == 255 && first.green == 0 && first.blue == 0) << "starts at red";
    EXPECT_TRUE(last.red == 255 && last.green == 0 && last.blue == 255) << "ends at magenta";
}

void ExpectSmoothStrip(const ParsedBitmap& strip) {
    ASSERT_EQ(strip.width, 128);
    ASSERT_EQ(strip.height, 24);
    ASSERT_EQ(strip.bitsPerPixel, 8);
    ASSERT_EQ(strip.palette.size(), 256u);
    EXPECT_TRUE(RowsRepeat(strip));
    std::set<int> columns;
    for (int x = 1; x < strip.width; ++x) {
        EXPECT_LE(ChannelStep(strip.At(x - 1, 0), strip.At(x, 0)), 16) << "column " << x;
        columns.insert(strip.indices[x]);
    }
    EXPECT_EQ(columns.size(), std::size_t(strip.width - 1)) << "every column its own colour";
}

TEST(AssetBitmap, TwoHundredFiftySixColourStripsAreSmoothAndDifferent) {
    const Bytes hues = assets::MakeSpectrum256aBitmap();
    const Bytes shaded = assets::MakeSpectrum256bBitmap();
    ExpectSmoothStrip(ParseBitmapFile(hues));
    ExpectSmoothStrip(ParseBitmapFile(shaded));
    EXPECT_NE(hues, shaded);
}

// ---------------------------------------------------------------------------
// Icon

// One icon image: a DIB of twice the height, its colour rows followed by the
// AND mask; transparent pixels must be black so they leave the background as it is.
void ExpectIconImage(ByteSpan image, int size, int bits) {
    EXPECT_EQ(Read32(image, 4), std::uint32_t(size));
    EXPECT_EQ(Read32(image, 8), std::uint32_t(2 * size)) << "colour rows plus mask";
    EXPECT_EQ(int(Read16(image, 14)), bits);
    const std::size_t paletteBytes = std::size_t(4) << bits;
    const std::size_t colourBytes = std::size_t((size * bits + 31) / 32 * 4 * size);
    const std::size_t maskBytes = std::size_t((size + 31) / 32 * 4 * size);
    ASSERT_EQ(image.size(), 40 + paletteBytes + colourBytes + maskBytes);
    const std::vector<Colour> palette = ReadPalette(image, 40, 1u << bits);
    const std::vector<int> colours = ReadIndices(image.subspan(40 + paletteBytes), size, size, bits);
    const std::vector<int> mask = ReadIndices(image.subspan(40 + paletteBytes + colourBytes), size, size, 1);
    EXPECT_NE(std::count(mask.begin(), mask.end(), 1), 0) << "some pixels are transparent";
    EXPECT_NE(std::count(mask.begin(), mask.end(), 0), 0) << "some pixels are drawn";
    int tinted = 0;
    for (std::size_t i = 0; i < mask.size(); ++i) {
        const Colour colour = palette.at(static_cast<std::size_t>(colours[i]));
        tinted += mask[i] == 1 && (colour.red | colour.green | colour.blue) != 0 ? 1 : 0;
    }
    EXPECT_EQ(tinted, 0);
}

TEST(AssetIcon, DirectoryHoldsTransparentImagesOf32And16Pixels) {
    const Bytes icon = assets::MakeIcon();
    EXPECT_EQ(Read16(icon, 0), 0u);
    EXPECT_EQ(Read16(icon, 2), 1u) << "icon, not cursor";
    ASSERT_EQ(Read16(icon, 4), 2u);
    constexpr std::array<int, 2> kSizes{32, 16};
    std::size_t nextImage = 6 + kSizes.size() * 16;
    for (std::size_t i = 0; i < kSizes.size(); ++i) {
        SCOPED_TRACE(kSizes[i]);
        const std::size_t entry = 6 + i * 16;
        EXPECT_EQ(ReadLe(icon, entry, 1), std::uint32_t(kSizes[i]));
        EXPECT_EQ(ReadLe(icon, entry + 1, 1), std::uint32_t(kSizes[i]));
        const std::uint32_t length = Read32(icon, entry + 8);
        ASSERT_EQ(Read32(icon, entry + 12), nextImage) << "images follow the directory back to back";
        ExpectIconImage(ByteSpan(icon).subspan(nextImage, length), kSizes[i], int(Read16(icon, entry + 6)));
        nextImage += length;
    }
    EXPECT_EQ(nextImage, icon.size());
}

// ---------------------------------------------------------------------------

TEST(AssetGenerator, EveryFileIsTheSameOnEveryRun) {
    for (const assets::AssetFile& asset : assets::AllAssets()) {
        SCOPED_TRACE(asset.fileName);
        EXPECT_EQ(asset.make(), asset.make());
    }
}

}  // namespace
}  // namespace vexel::test
