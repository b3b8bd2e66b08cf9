#include "assets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <numeric>
#include <random>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace vexel::test {
namespace {

using assets::Bytes;
using assets::IndexedImage;
using ByteSpan = std::span<const std::uint8_t>;
using Pixels = std::vector<std::uint8_t>;

// ---------------------------------------------------------------------------
// A small, independent reader of the little-endian files (RIFF, BMP, ICO) and
// of BI_RLE8 data. Every read is bounds-checked and throws instead of reading
// past the data.

ByteSpan Slice(ByteSpan bytes, std::size_t offset, std::size_t length) {
  if (offset > bytes.size() || length > bytes.size() - offset) {
    throw std::out_of_range("read past the end of the data");
  }
  return bytes.subspan(offset, length);
}

std::uint32_t ReadLe(ByteSpan bytes, std::size_t offset, int byteCount) {
  const ByteSpan field = Slice(bytes, offset, static_cast<std::size_t>(byteCount));
  std::uint32_t value = 0;
  for (int i = byteCount - 1; i >= 0; --i) {
    value = value << 8 | field[static_cast<std::size_t>(i)];
  }
  return value;
}

std::uint32_t Read16(ByteSpan bytes, std::size_t offset) { return ReadLe(bytes, offset, 2); }
std::uint32_t Read32(ByteSpan bytes, std::size_t offset) { return ReadLe(bytes, offset, 4); }

std::string ReadFourcc(ByteSpan bytes, std::size_t offset) {
  const ByteSpan code = Slice(bytes, offset, 4);
  return {code.begin(), code.end()};
}

struct RiffChunk {
  std::string id;
  std::string formType;  // RIFF and LIST chunks only
  ByteSpan data;         // after the form type for RIFF and LIST chunks
  std::size_t position;  // of the chunk header within the span that was walked
};

// The sibling chunks that fill `bytes` exactly, each padded to an even size.
std::vector<RiffChunk> ReadChunks(ByteSpan bytes) {
  std::vector<RiffChunk> chunks;
  for (std::size_t position = 0; position < bytes.size();) {
    const std::uint32_t size = Read32(bytes, position + 4);
    RiffChunk chunk{ReadFourcc(bytes, position), {}, Slice(bytes, position + 8, size), position};
    if (chunk.id == "RIFF" || chunk.id == "LIST") {
      chunk.formType = ReadFourcc(chunk.data, 0);
      chunk.data = chunk.data.subspan(4);
    }
    chunks.push_back(chunk);
    position += 8 + size + size % 2;
    Slice(bytes, 0, position);  // the padding byte must be there too
  }
  return chunks;
}

// The single chunk with that id (and form type, when one is given); throws if
// there is none or more.
RiffChunk OnlyChunk(const std::vector<RiffChunk>& chunks, std::string_view id, std::string_view formType = {}) {
  std::vector<RiffChunk> found;
  std::ranges::copy_if(chunks, std::back_inserter(found), [&](const RiffChunk& chunk) {
    return chunk.id == id && (formType.empty() || chunk.formType == formType);
  });
  if (found.size() != 1) {
    throw std::runtime_error("expected exactly one '" + std::string(id) + "' chunk");
  }
  return found.front();
}

void Require(bool condition, const char* what) {
  if (!condition) {
    throw std::runtime_error(what);
  }
}

// The pixels, top row first, of BI_RLE8 data that is what a key frame of the
// clip must be: every pixel written exactly once, no run past the end of a
// row, no delta skips, and the data closed by end-of-bitmap with nothing after it.
Pixels DecodeRle8(ByteSpan data, int width, int height) {
  Pixels pixels(static_cast<std::size_t>(width * height));
  std::size_t next = 0;
  std::size_t written = 0;
  int row = 0;  // DIB rows, bottom row first
  int column = 0;
  const auto read = [&]() -> std::uint8_t {
    Require(next < data.size(), "data ends without end-of-bitmap");
    return data[next++];
  };
  const auto put = [&](std::uint8_t value) {
    Require(row < height && column < width, "run past the end of a row");
    pixels[static_cast<std::size_t>((height - 1 - row) * width + column++)] = value;
    ++written;
  };
  for (bool ended = false; !ended;) {
    const int count = read();
    const std::uint8_t value = read();
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(value);
    } else if (value == 0) {
      Require(column == width, "end-of-line before the row is complete");
      ++row;
      column = 0;
    } else if (value == 1) {
      ended = true;
    } else {
      Require(value != 2, "delta skip in a key frame");
      for (int i = 0; i < value; ++i) put(read());
      if (value % 2 != 0) read();  // absolute runs are padded to a word
    }
  }
  Require(next == data.size(), "data after end-of-bitmap");
  Require(written == pixels.size(), "end-of-bitmap before the picture is complete");
  return pixels;
}

// ---------------------------------------------------------------------------
// RLE8 encoder

void ExpectRoundTrip(const IndexedImage& image) {
  EXPECT_EQ(DecodeRle8(assets::EncodeRle8(image), image.width, image.height), image.pixels);
}

// `count` pixels from `first` on, each `step` above the one before.
struct Run {
  int count;
  int first;
  int step = 0;
};

Pixels Row(std::initializer_list<Run> runs) {
  Pixels row;
  for (const Run& run : runs) {
    for (int i = 0; i < run.count; ++i) row.push_back(static_cast<std::uint8_t>(run.first + i * run.step));
  }
  return row;
}

TEST(AssetRle8, RoundTripsTrickyRows) {
  const Pixels rows[] = {
      {7},
      {1, 2},
      {3, 3},
      Row({{3, 10, 1}}),
      Row({{5, 20, 1}}),
      Row({{7, 30, 1}, {1, 9}, {2, 4}}),
      Row({{255 + 255 + 3, 5}}),
      Row({{256, 6}, {1, 60}}),
      Row({{1, 70}, {254, 6}, {2, 80, 1}}),
      Row({{300, 0, 1}}),
      Row({{255, 0, 1}, {1, 90}, {4, 2}}),
      {1, 1, 2, 2, 3, 3, 4, 4, 5},
      Row({{240, 0}}),
      Row({{1000, 200}}),
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(::testing::Message() << "row " << i << " of " << rows[i].size() << " pixels");
    IndexedImage image(static_cast<int>(rows[i].size()), 1, 0);
    image.pixels = rows[i];
    ExpectRoundTrip(image);
  }
}

TEST(AssetRle8, CompressesOneColourToRunsOfAtMost255) {
  IndexedImage image(600, 1, 42);
  // Runs of 255, 255 and 90, then end-of-bitmap.
  EXPECT_EQ(assets::EncodeRle8(image), (Bytes{255, 42, 255, 42, 90, 42, 0, 1}));
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
constexpr std::size_t kClipFrames = 41;

// Reading it checks that every chunk fits its parent and that there is exactly
// one of each header and one stream.
struct ParsedAvi {
  Bytes file;
  RiffChunk riff;
  std::vector<RiffChunk> top, header, stream, movie;
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

TEST(AssetAvi, HeadersDescribeOneRle8VideoStreamOfFortyOneFramesAtFifteenASecond) {
  EXPECT_EQ(Clip().riff.data.size() + 12, Clip().file.size());
  const ByteSpan avih = OnlyChunk(Clip().header, "avih").data;
  ASSERT_EQ(avih.size(), 56u);
  EXPECT_EQ(Read32(avih, 0), 66667u);
  EXPECT_NE(Read32(avih, 12) & 0x10, 0u) << "AVIF_HASINDEX";
  EXPECT_EQ(Read32(avih, 16), 41u);
  EXPECT_EQ(Read32(avih, 24), 1u);
  EXPECT_EQ(Read32(avih, 32), 240u);
  EXPECT_EQ(Read32(avih, 36), 84u);
  const ByteSpan strh = OnlyChunk(Clip().stream, "strh").data;
  ASSERT_EQ(strh.size(), 56u);
  EXPECT_EQ(ReadFourcc(strh, 0), "vids");
  EXPECT_NEAR(double(Read32(strh, 24)) / Read32(strh, 20), 15.0, 0.01);
  EXPECT_EQ(Read32(strh, 32), 41u);
  EXPECT_EQ(Read16(strh, 52), 240u);
  EXPECT_EQ(Read16(strh, 54), 84u);
  const ByteSpan strf = OnlyChunk(Clip().stream, "strf").data;
  ASSERT_EQ(strf.size(), 40u + 256 * 4) << "the info header and a full palette";
  EXPECT_EQ(Read32(strf, 0), 40u);
  EXPECT_EQ(Read32(strf, 4), 240u);
  EXPECT_EQ(Read32(strf, 8), 84u);
  EXPECT_EQ(Read16(strf, 14), 8u);
  EXPECT_EQ(Read32(strf, 16), 1u) << "BI_RLE8";
  EXPECT_EQ(Read32(strf, 32), 256u);
}

TEST(AssetAvi, IndexListsEveryFrameAsKeyFrameAndTheFormatHasRoomForEach) {
  const std::vector<RiffChunk>& frames = Clip().movie;
  ASSERT_EQ(frames.size(), kClipFrames);
  const ByteSpan index = OnlyChunk(Clip().top, "idx1").data;
  ASSERT_EQ(index.size(), frames.size() * 16);
  const std::uint32_t largest = Read32(OnlyChunk(Clip().stream, "strf").data, 20);
  for (std::size_t i = 0; i < frames.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(frames[i].id, "00dc");
    EXPECT_LE(frames[i].data.size(), largest);
    EXPECT_EQ(ReadFourcc(index, i * 16), "00dc");
    EXPECT_NE(Read32(index, i * 16 + 4) & 0x10, 0u) << "AVIIF_KEYFRAME";
    EXPECT_EQ(Read32(index, i * 16 + 8), frames[i].position + 4) << "offset from the 'movi' form type";
    EXPECT_EQ(Read32(index, i * 16 + 12), frames[i].data.size());
  }
}

TEST(AssetAvi, FramesAreCompletePicturesThatMoveAndLoopSmoothly) {
  std::vector<Pixels> frames;
  for (const RiffChunk& chunk : Clip().movie) {
    SCOPED_TRACE(chunk.position);
    ASSERT_NO_THROW(frames.push_back(DecodeRle8(chunk.data, kClipWidth, kClipHeight)));
    EXPECT_GT(std::set<std::uint8_t>(frames.back().begin(), frames.back().end()).size(), 20u)
        << "the frame shows the cube, the name and the spectrum";
  }
  ASSERT_EQ(frames.size(), kClipFrames);
  const auto changed = [](const Pixels& a, const Pixels& b) {
    return std::inner_product(a.begin(), a.end(), b.begin(), 0, std::plus<>(), std::not_equal_to<>());
  };
  std::vector<int> steps;
  for (std::size_t i = 1; i < frames.size(); ++i) {
    steps.push_back(changed(frames[i - 1], frames[i]));
  }
  const auto [smallest, largest] = std::minmax_element(steps.begin(), steps.end());
  EXPECT_GT(*smallest, 0) << "a frame repeats its predecessor";
  const int wrap = changed(frames.back(), frames.front());
  EXPECT_GE(wrap, *smallest) << "the loop stutters";
  EXPECT_LE(wrap, *largest) << "the loop jumps";
}

// ---------------------------------------------------------------------------
// Colour-sample bitmaps

using Colour = std::array<int, 3>;  // red, green, blue

struct ParsedBitmap {
  int width;
  int height;
  int bitsPerPixel;
  std::vector<Colour> palette;
  std::vector<int> indices;  // top row first

  Colour At(int x, int y) const { return palette.at(static_cast<std::size_t>(indices.at(y * width + x))); }
};

// DIB rows are padded to 32 bits.
std::size_t RowBytes(int width, int bitsPerPixel) { return std::size_t((width * bitsPerPixel + 31) / 32 * 4); }

std::vector<Colour> ReadPalette(ByteSpan bytes, std::size_t offset, std::uint32_t count) {
  std::vector<Colour> palette;
  for (std::size_t entry = offset; entry < offset + count * 4; entry += 4) {
    palette.push_back(
        {int(ReadLe(bytes, entry + 2, 1)), int(ReadLe(bytes, entry + 1, 1)), int(ReadLe(bytes, entry, 1))});
  }
  return palette;
}

// Pixel indices of bottom-up rows, most significant bits first.
std::vector<int> ReadIndices(ByteSpan rows, int width, int height, int bitsPerPixel) {
  std::vector<int> indices;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int bit = x * bitsPerPixel;
      const auto byte = int(ReadLe(rows, (height - 1 - y) * RowBytes(width, bitsPerPixel) + bit / 8, 1));
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
  EXPECT_EQ(file.size() - pixelOffset, RowBytes(width, bits) * std::size_t(height));
  return {width, height, bits, ReadPalette(info, 40, colours),
          ReadIndices(ByteSpan(file).subspan(pixelOffset), width, height, bits)};
}

int ChannelStep(const Colour& a, const Colour& b) {
  return std::max({std::abs(a[0] - b[0]), std::abs(a[1] - b[1]), std::abs(a[2] - b[2])});
}

// The mean colour of a 4 x 4 block in the top rows: what the eye sees of an ordered dither.
Colour BlockMean(const ParsedBitmap& strip, int left) {
  Colour sum{};
  for (int y = 0; y < 4; ++y) {
    for (int x = left; x < left + 4; ++x) {
      for (std::size_t c = 0; c < 3; ++c) sum[c] += strip.At(x, y)[c];
    }
  }
  return {sum[0] / 16, sum[1] / 16, sum[2] / 16};
}

TEST(AssetBitmap, SpectrumStripsBlendSmoothlyTheSixteenColourOneByDithering) {
  const struct {
    const char* name;
    Bytes file;
    int bits;
  } strips[] = {{"16", assets::MakeSpectrum16Bitmap(), 4},
                {"256a", assets::MakeSpectrum256aBitmap(), 8},
                {"256b", assets::MakeSpectrum256bBitmap(), 8}};
  for (const auto& [name, file, bits] : strips) {
    SCOPED_TRACE(name);
    const ParsedBitmap strip = ParseBitmapFile(file);
    ASSERT_EQ(strip.width, 128);
    ASSERT_EQ(strip.height, 24);
    ASSERT_EQ(strip.bitsPerPixel, bits);
    ASSERT_EQ(strip.palette.size(), 1u << bits);
    const bool rowsRepeat = std::equal(strip.indices.begin() + strip.width, strip.indices.end(), strip.indices.begin());
    if (bits == 4) {
      EXPECT_FALSE(rowsRepeat) << "ordered dithering varies from row to row";
      for (int left = 4; left < strip.width; left += 4) {
        EXPECT_LE(ChannelStep(BlockMean(strip, left - 4), BlockMean(strip, left)), 80)
            << "blocks at " << left << " jump between palette colours";
      }
      EXPECT_EQ(strip.At(0, 0), (Colour{255, 0, 0})) << "starts at red";
      EXPECT_EQ(strip.At(strip.width - 1, 0), (Colour{255, 0, 255})) << "ends at magenta";
    } else {
      EXPECT_TRUE(rowsRepeat);
      for (int x = 1; x < strip.width; ++x) {
        EXPECT_LE(ChannelStep(strip.At(x - 1, 0), strip.At(x, 0)), 16) << "column " << x;
      }
      const std::set<int> columns(strip.indices.begin() + 1, strip.indices.begin() + strip.width);
      EXPECT_EQ(columns.size(), std::size_t(strip.width - 1)) << "every column its own colour";
    }
  }
  EXPECT_NE(strips[1].file, strips[2].file);
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
  const std::size_t colourBytes = RowBytes(size, bits) * std::size_t(size);
  ASSERT_EQ(image.size(), 40 + paletteBytes + colourBytes + RowBytes(size, 1) * std::size_t(size));
  const std::vector<Colour> palette = ReadPalette(image, 40, 1u << bits);
  const std::vector<int> colours = ReadIndices(image.subspan(40 + paletteBytes), size, size, bits);
  const std::vector<int> mask = ReadIndices(image.subspan(40 + paletteBytes + colourBytes), size, size, 1);
  EXPECT_NE(std::count(mask.begin(), mask.end(), 1), 0) << "some pixels are transparent";
  EXPECT_NE(std::count(mask.begin(), mask.end(), 0), 0) << "some pixels are drawn";
  int tinted = 0;
  for (std::size_t i = 0; i < mask.size(); ++i) {
    tinted += mask[i] == 1 && palette.at(static_cast<std::size_t>(colours[i])) != Colour{} ? 1 : 0;
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
