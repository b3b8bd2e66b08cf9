// The OpenGL window's placement and the palette for palette pixel formats.
#include <gtest/gtest.h>

#include "info/probe/gl_window_rect.h"
#include "info/probe/rgb_palette.h"

namespace vexel {
namespace {

TEST(GlClientRect, OffsetsTheClientAreaByTheFrameAndCaption) {
  const FrameMetrics frame{4, 5, 19, 1};
  EXPECT_EQ(GlClientRect({0, 0, 1, 1}, frame), (PixelRect{4, 23, 5, 24}));
  EXPECT_EQ(GlClientRect({100, 50, 640, 480}, frame), (PixelRect{104, 73, 744, 553}));
  EXPECT_EQ(GlClientRect({-10, -20, 0, 0}, FrameMetrics{}), (PixelRect{-10, -20, -10, -20}));
}

TEST(RgbPalette, ThreeThreeTwoLayoutSpansBlackToWhite) {
  const PixelLayout layout{8, {3, 0}, {3, 3}, {2, 6}};
  const auto entries = RgbPaletteEntries(layout);
  ASSERT_EQ(entries.size(), 256u);
  EXPECT_EQ(entries[0], (RgbEntry{0, 0, 0}));
  EXPECT_EQ(entries[255], (RgbEntry{255, 255, 255}));
  EXPECT_EQ(entries[0x07], (RgbEntry{255, 0, 0}));
  EXPECT_EQ(entries[0x38], (RgbEntry{0, 255, 0}));
  EXPECT_EQ(entries[0xC0], (RgbEntry{0, 0, 255}));
  // Middle values scale evenly: 3 of 7 is 109, 1 of 3 is 85.
  EXPECT_EQ(entries[0x03 | 0x40], (RgbEntry{109, 0, 85}));
}

TEST(RgbPalette, SmallFormatsAndFieldsWithoutBits) {
  const auto entries = RgbPaletteEntries({4, {1, 0}, {2, 1}, {0, 3}});
  ASSERT_EQ(entries.size(), 16u);
  EXPECT_EQ(entries[0x7], (RgbEntry{255, 255, 0}));
  EXPECT_EQ(entries[0xF], (RgbEntry{255, 255, 0}));
  EXPECT_EQ(entries[0x2], (RgbEntry{0, 85, 0}));
}

TEST(RgbPalette, NoPaletteOutsideOneToEightColourBits) {
  EXPECT_TRUE(RgbPaletteEntries({0, {3, 0}, {3, 3}, {2, 6}}).empty());
  EXPECT_TRUE(RgbPaletteEntries({24, {8, 16}, {8, 8}, {8, 0}}).empty());
  // A field wider than the palette range contributes nothing rather than overflowing.
  EXPECT_EQ(RgbPaletteEntries({1, {40, 0}, {1, 200}, {1, 0}})[1], (RgbEntry{0, 0, 255}));
}

}  // namespace
}  // namespace vexel
