#include "assets.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace vexel::assets {
namespace {

// ---------------------------------------------------------------------------
// Little-endian writing

void PutLe(Bytes& out, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void Put8(Bytes& out, std::uint32_t value) { PutLe(out, value, 1); }
void Put16(Bytes& out, std::uint32_t value) { PutLe(out, value, 2); }
void Put32(Bytes& out, std::uint32_t value) { PutLe(out, value, 4); }

void PutFourcc(Bytes& out, std::string_view code) {
    for (char letter : code) {
        out.push_back(static_cast<std::uint8_t>(letter));
    }
}

void Append(Bytes& out, std::span<const std::uint8_t> more) {
    out.insert(out.end(), more.begin(), more.end());
}

std::uint32_t SizeOf(const Bytes& bytes) { return static_cast<std::uint32_t>(bytes.size()); }

// ---------------------------------------------------------------------------
// Colours

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};
using Palette = std::vector<Rgb>;

Rgb MakeRgb(int red, int green, int blue) {
    auto channel = [](int value) { return static_cast<std::uint8_t>(std::clamp(value, 0, 255)); };
    return {channel(red), channel(green), channel(blue)};
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// `from` moved towards `to` by weight / scale.
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

// Red through yellow, green, cyan and blue to magenta: the rainbow part of the
// hue circle, so the two ends of a strip stay clearly different.
constexpr std::array<Rgb, 6> kSpectrumStops{{
    {255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255}, {255, 0, 255}}};

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

// The same rainbow rising out of shadow on the left and brightening towards
// white on the right, so the strip shows shades as well as hues.
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

// The 16 colours of a standard VGA DIB, in the order Windows uses.
Palette VgaPalette() {
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
            {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

namespace vga {
constexpr std::uint8_t kBlack = 0;
constexpr std::uint8_t kSilver = 7;
constexpr std::uint8_t kGray = 8;
constexpr std::uint8_t kRed = 9;
constexpr std::uint8_t kLime = 10;
constexpr std::uint8_t kYellow = 11;
constexpr std::uint8_t kBlue = 12;
constexpr std::uint8_t kFuchsia = 13;
constexpr std::uint8_t kAqua = 14;
constexpr std::uint8_t kWhite = 15;
}  // namespace vga

Bytes PaletteBytes(const Palette& palette) {
    Bytes out;
    for (const Rgb& colour : palette) {
        const std::array<std::uint8_t, 4> quad{colour.blue, colour.green, colour.red, 0};
        Append(out, quad);
    }
    return out;
}

// ---------------------------------------------------------------------------
// Drawing

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

// Bresenham's line, both ends included.
void DrawLine(IndexedImage& image, Point from, Point to, std::uint8_t colour) {
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int stepX = from.x < to.x ? 1 : -1;
    const int stepY = from.y < to.y ? 1 : -1;
    int error = dx + dy;
    for (Point at = from;; ) {
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

// ---------------------------------------------------------------------------
// Device-independent bitmaps

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kBiRgb = 0;
constexpr int kBiRle8 = 1;

int RowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

struct BitmapShape {
    int width;
    int height;
    int bitsPerPixel;
    int compression;
    std::uint32_t imageSize;
    std::uint32_t coloursUsed;
};

Bytes InfoHeader(const BitmapShape& shape) {
    Bytes out;
    Put32(out, kInfoHeaderSize);
    Put32(out, shape.width);
    Put32(out, shape.height);
    Put16(out, 1);
    Put16(out, shape.bitsPerPixel);
    Put32(out, shape.compression);
    Put32(out, shape.imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, shape.coloursUsed);
    Put32(out, 0);
    return out;
}

// Rows bottom-up, pixels packed most significant bits first, each row padded
// to a 32-bit boundary.
Bytes PackedRows(const IndexedImage& image, int bitsPerPixel) {
    const int stride = RowStride(image.width, bitsPerPixel);
    Bytes out(static_cast<std::size_t>(stride) * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* row = out.data() + static_cast<std::size_t>(image.height - 1 - y) * stride;
        for (int x = 0; x < image.width; ++x) {
            const int bit = x * bitsPerPixel;
            const int shift = 8 - bitsPerPixel - bit % 8;
            row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | image.At(x, y) << shift);
        }
    }
    return out;
}

Bytes BitmapFile(const IndexedImage& image, const Palette& palette, int bitsPerPixel) {
    const Bytes rows = PackedRows(image, bitsPerPixel);
    const Bytes info = InfoHeader(
        {image.width, image.height, bitsPerPixel, kBiRgb, SizeOf(rows), static_cast<std::uint32_t>(palette.size())});
    const Bytes colours = PaletteBytes(palette);
    const std::uint32_t pixelOffset = kFileHeaderSize + SizeOf(info) + SizeOf(colours);
    Bytes out;
    PutFourcc(out, "BM");
    Put32(out, pixelOffset + SizeOf(rows));
    Put32(out, 0);
    Put32(out, pixelOffset);
    Append(out, info);
    Append(out, colours);
    Append(out, rows);
    return out;
}

// ---------------------------------------------------------------------------
// Colour-sample strips

constexpr int kStripWidth = 128;
constexpr int kStripHeight = 24;

// Ordered dithering: a target colour is shown as a fixed pattern of two palette
// colours, the share of the second one given in sixteenths. The Bayer matrix
// spreads that share evenly over every 4 x 4 block.
constexpr int kBayerLevels = 16;
constexpr std::array<std::array<int, 4>, 4> kBayer{{{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}}};

struct DitherMix {
    std::uint8_t first;
    std::uint8_t second;
    int secondShare;
    int cost;
};

// Pairs of very different colours would match on average but look grainy.
int MixCost(Rgb first, Rgb second, int share, Rgb target) {
    return DistanceSquared(Mix(first, second, share, kBayerLevels), target) + DistanceSquared(first, second) / 64;
}

DitherMix BestShare(const Palette& palette, std::uint8_t first, std::uint8_t second, Rgb target) {
    DitherMix best{first, second, 0, MixCost(palette[first], palette[second], 0, target)};
    for (int share = 1; share <= kBayerLevels; ++share) {
        const int cost = MixCost(palette[first], palette[second], share, target);
        if (cost < best.cost) {
            best = {first, second, share, cost};
        }
    }
    return best;
}

DitherMix BestMix(const Palette& palette, Rgb target) {
    DitherMix best = BestShare(palette, 0, 0, target);
    const auto count = static_cast<std::uint8_t>(palette.size());
    for (std::uint8_t first = 0; first < count; ++first) {
        for (std::uint8_t second = first; second < count; ++second) {
            const DitherMix candidate = BestShare(palette, first, second, target);
            if (candidate.cost < best.cost) {
                best = candidate;
            }
        }
    }
    return best;
}

IndexedImage DitheredSpectrum(const Palette& palette) {
    IndexedImage image(kStripWidth, kStripHeight, 0);
    for (int x = 0; x < kStripWidth; ++x) {
        const DitherMix mix = BestMix(palette, SpectrumColour(x, kStripWidth));
        for (int y = 0; y < kStripHeight; ++y) {
            image.At(x, y) = kBayer[y % 4][x % 4] < mix.secondShare ? mix.second : mix.first;
        }
    }
    return image;
}

constexpr int kRampSize = 256;

Palette RampPalette(Rgb (*colourAt)(int step, int steps)) {
    Palette palette;
    for (int step = 0; step < kRampSize; ++step) {
        palette.push_back(colourAt(step, kRampSize));
    }
    return palette;
}

// Every column takes the ramp entry at its share of the strip's width.
Bytes SmoothStrip(Rgb (*colourAt)(int step, int steps)) {
    IndexedImage image(kStripWidth, kStripHeight, 0);
    for (int y = 0; y < kStripHeight; ++y) {
        for (int x = 0; x < kStripWidth; ++x) {
            image.At(x, y) = static_cast<std::uint8_t>(x * kRampSize / kStripWidth);
        }
    }
    return BitmapFile(image, RampPalette(colourAt), 8);
}

// ---------------------------------------------------------------------------
// Icon: a small monitor whose screen shows the spectrum.

constexpr std::uint8_t kClear = 0xFF;
constexpr int kIconBits = 4;

IndexedImage MonitorPicture(int size) {
    const int unit = size / 16;
    IndexedImage picture(size, size, kClear);
    const Rect bezel{0, unit, size, 12 * unit};
    FillRect(picture, bezel, vga::kSilver);
    DrawFrame(picture, bezel, vga::kBlack);
    FillRect(picture, {1, unit + 1, size - 1, unit + 2}, vga::kWhite);
    constexpr std::array<std::uint8_t, 6> kStripes{vga::kRed,  vga::kYellow,  vga::kLime,
                                                   vga::kAqua, vga::kBlue, vga::kFuchsia};
    for (int i = 0; i < static_cast<int>(kStripes.size()); ++i) {
        FillRect(picture, {(2 + 2 * i) * unit, 3 * unit, (4 + 2 * i) * unit, 10 * unit}, kStripes[i]);
    }
    DrawFrame(picture, {2 * unit - 1, 3 * unit - 1, 14 * unit + 1, 10 * unit + 1}, vga::kGray);
    FillRect(picture, {6 * unit, 12 * unit, 10 * unit, 14 * unit}, vga::kGray);
    const Rect foot{3 * unit, 14 * unit, 13 * unit, 16 * unit};
    FillRect(picture, foot, vga::kSilver);
    DrawFrame(picture, foot, vga::kBlack);
    return picture;
}

// An icon image is a DIB of twice the height: the colour rows, then the
// 1-bit AND mask that makes the cleared pixels transparent.
Bytes IconImage(const IndexedImage& picture) {
    IndexedImage colours = picture;
    IndexedImage mask(picture.width, picture.height, 0);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const bool clear = picture.pixels[i] == kClear;
        colours.pixels[i] = clear ? vga::kBlack : picture.pixels[i];
        mask.pixels[i] = clear ? 1 : 0;
    }
    const Bytes colourRows = PackedRows(colours, kIconBits);
    const Bytes maskRows = PackedRows(mask, 1);
    const Palette palette = VgaPalette();
    Bytes out = InfoHeader({picture.width, 2 * picture.height, kIconBits, kBiRgb,
                            SizeOf(colourRows) + SizeOf(maskRows), static_cast<std::uint32_t>(palette.size())});
    Append(out, PaletteBytes(palette));
    Append(out, colourRows);
    Append(out, maskRows);
    return out;
}

constexpr int kIconDirSize = 6;
constexpr int kIconEntrySize = 16;

void PutIconEntry(Bytes& out, int size, const Bytes& image, std::uint32_t offset) {
    Put8(out, size);
    Put8(out, size);
    Put8(out, 1 << kIconBits);
    Put8(out, 0);
    Put16(out, 1);
    Put16(out, kIconBits);
    Put32(out, SizeOf(image));
    Put32(out, offset);
}

// ---------------------------------------------------------------------------
// RLE8

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

// ---------------------------------------------------------------------------
// Animation clip: a slowly turning wireframe cube beside the name, which sits
// over a spectrum bar with a glowing band sweeping along it. The cube turns a
// quarter turn and the band one bar length per cycle, so the last frame leads
// seamlessly back to the first. With the usual dialog font the centred control
// is only about 180 x 68 pixels and shows the middle of the clip, so all of the
// imagery stays inside that area.

constexpr int kClipWidth = 240;
constexpr int kClipHeight = 84;
constexpr int kClipFrames = 41;
constexpr int kMicroSecondsPerFrame = 66667;
constexpr int kFramesPerSecond = 15;

constexpr std::uint8_t kClipBackground = 0;
constexpr int kShadeBase = 1;
constexpr int kShadeCount = 16;
constexpr std::uint8_t kTextColour = kShadeBase + kShadeCount;
constexpr int kBandBase = 64;
constexpr int kBandHues = 48;
constexpr int kBandLevels = 4;
constexpr int kClipPaletteSize = 256;

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
    return {spun.x, spun.y * std::cos(kTilt) - spun.z * std::sin(kTilt), spun.y * std::sin(kTilt) + spun.z * std::cos(kTilt)};
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

IndexedImage ClipFrame(int index) {
    IndexedImage frame(kClipWidth, kClipHeight, kClipBackground);
    DrawCube(frame, index);
    DrawName(frame);
    DrawSpectrumBar(frame, index);
    return frame;
}

// ---------------------------------------------------------------------------
// AVI (RIFF) container

constexpr std::uint32_t kAvifHasIndex = 0x10;
constexpr std::uint32_t kAviifKeyframe = 0x10;
constexpr std::uint32_t kDefaultQuality = 0xFFFFFFFF;
constexpr std::string_view kFrameChunkId = "00dc";

Bytes Chunk(std::string_view id, const Bytes& data) {
    Bytes out;
    PutFourcc(out, id);
    Put32(out, SizeOf(data));
    Append(out, data);
    if (data.size() % 2 != 0) {
        Put8(out, 0);
    }
    return out;
}

// RIFF and LIST chunks: a form type followed by their children.
Bytes ListChunk(std::string_view id, std::string_view type, const std::vector<Bytes>& children) {
    Bytes body;
    PutFourcc(body, type);
    for (const Bytes& child : children) {
        Append(body, child);
    }
    return Chunk(id, body);
}

std::uint32_t LargestSize(const std::vector<Bytes>& frames) {
    std::uint32_t largest = 0;
    for (const Bytes& frame : frames) {
        largest = std::max(largest, SizeOf(frame));
    }
    return largest;
}

Bytes MainHeader(std::uint32_t largestFrame) {
    Bytes out;
    for (std::uint32_t field : {std::uint32_t{kMicroSecondsPerFrame}, largestFrame * kFramesPerSecond, 0u, kAvifHasIndex,
                                std::uint32_t{kClipFrames}, 0u, 1u, largestFrame, std::uint32_t{kClipWidth},
                                std::uint32_t{kClipHeight}, 0u, 0u, 0u, 0u}) {
        Put32(out, field);
    }
    return Chunk("avih", out);
}

Bytes StreamHeader(std::uint32_t largestFrame) {
    Bytes out;
    PutFourcc(out, "vids");
    PutFourcc(out, "mrle");
    Put32(out, 0);
    Put16(out, 0);
    Put16(out, 0);
    for (std::uint32_t field : {0u, 1u, std::uint32_t{kFramesPerSecond}, 0u, std::uint32_t{kClipFrames}, largestFrame,
                                kDefaultQuality, 0u}) {
        Put32(out, field);
    }
    for (int corner : {0, 0, kClipWidth, kClipHeight}) {
        Put16(out, corner);
    }
    return Chunk("strh", out);
}

Bytes StreamFormat(std::uint32_t largestFrame) {
    Bytes out = InfoHeader({kClipWidth, kClipHeight, 8, kBiRle8, largestFrame, kClipPaletteSize});
    Append(out, PaletteBytes(ClipPalette()));
    return Chunk("strf", out);
}

Bytes MovieList(const std::vector<Bytes>& frames) {
    std::vector<Bytes> chunks;
    for (const Bytes& frame : frames) {
        chunks.push_back(Chunk(kFrameChunkId, frame));
    }
    return ListChunk("LIST", "movi", chunks);
}

// Offsets count from the 'movi' form type, as AVI readers expect; every frame
// is a key frame so the control can loop and seek freely.
Bytes FrameIndex(const std::vector<Bytes>& frames) {
    Bytes out;
    std::uint32_t offset = 4;
    for (const Bytes& frame : frames) {
        PutFourcc(out, kFrameChunkId);
        Put32(out, kAviifKeyframe);
        Put32(out, offset);
        Put32(out, SizeOf(frame));
        offset += 8 + SizeOf(frame) + SizeOf(frame) % 2;
    }
    return Chunk("idx1", out);
}

}  // namespace

IndexedImage::IndexedImage(int imageWidth, int imageHeight, std::uint8_t fill)
    : width(imageWidth), height(imageHeight), pixels(static_cast<std::size_t>(imageWidth) * imageHeight, fill) {}

std::uint8_t& IndexedImage::At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }

std::uint8_t IndexedImage::At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

std::span<const std::uint8_t> IndexedImage::Row(int y) const {
    return std::span<const std::uint8_t>(pixels).subspan(static_cast<std::size_t>(y) * width, width);
}

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

Bytes MakeIcon() {
    const std::array<int, 2> sizes{32, 16};
    std::vector<Bytes> images;
    for (int size : sizes) {
        images.push_back(IconImage(MonitorPicture(size)));
    }
    Bytes out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = kIconDirSize + kIconEntrySize * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        PutIconEntry(out, sizes[i], images[i], offset);
        offset += SizeOf(images[i]);
    }
    for (const Bytes& image : images) {
        Append(out, image);
    }
    return out;
}

Bytes MakeSpectrum16Bitmap() {
    const Palette palette = VgaPalette();
    return BitmapFile(DitheredSpectrum(palette), palette, 4);
}

Bytes MakeSpectrum256aBitmap() { return SmoothStrip(SpectrumColour); }

Bytes MakeSpectrum256bBitmap() { return SmoothStrip(ShadedSpectrumColour); }

Bytes MakeAnimationAvi() {
    std::vector<Bytes> frames;
    for (int index = 0; index < kClipFrames; ++index) {
        frames.push_back(EncodeRle8(ClipFrame(index)));
    }
    const std::uint32_t largest = LargestSize(frames);
    const Bytes streamList = ListChunk("LIST", "strl", {StreamHeader(largest), StreamFormat(largest)});
    const Bytes headerList = ListChunk("LIST", "hdrl", {MainHeader(largest), streamList});
    return ListChunk("RIFF", "AVI ", {headerList, MovieList(frames), FrameIndex(frames)});
}

std::span<const AssetFile> AllAssets() {
    static constexpr std::array<AssetFile, 5> kAssets{{
        {"vexelpanel.ico", MakeIcon},
        {"spectrum16.bmp", MakeSpectrum16Bitmap},
        {"spectrum256a.bmp", MakeSpectrum256aBitmap},
        {"spectrum256b.bmp", MakeSpectrum256bBitmap},
        {"animation.avi", MakeAnimationAvi},
    }};
    return kAssets;
}

}  // namespace vexel::assets
