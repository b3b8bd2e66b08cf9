#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "modes/mode_texts.h"

namespace vexel {
namespace {

TEST(ModeTexts, RefreshZeroAndOneAreTheHardwareDefault) {
  EXPECT_EQ(RefreshText(0), "Hardware default refresh");
  EXPECT_EQ(RefreshText(1), "Hardware default refresh");
  EXPECT_EQ(RefreshText(2), "2 Hertz");
  EXPECT_EQ(RefreshText(75), "75 Hertz");
  EXPECT_EQ(RefreshText(-1), "-1 Hertz");
  EXPECT_EQ(RefreshKey(1), "Hardware");
  EXPECT_EQ(RefreshKey(2), "2");
}

TEST(ModeTexts, ColorCountsArePowersOfTwoExceptTrueColor) {
  EXPECT_EQ(ColorText(8), "256 Colors");
  EXPECT_EQ(ColorText(15), "32768 Colors");
  EXPECT_EQ(ColorText(16), "65536 Colors");
  EXPECT_EQ(ColorText(24), "16777216 Colors");
  EXPECT_EQ(ColorText(32), "True Color");
  EXPECT_EQ(ColorKey(32), "True");
  EXPECT_EQ(ColorKey(15), "32768");
}

TEST(ModeTexts, AbsurdDepthsStayExactOrSayThePower) {
  EXPECT_EQ(ColorText(0), "1 Colors");
  EXPECT_EQ(ColorText(31), "2147483648 Colors");
  EXPECT_EQ(ColorText(40), "1099511627776 Colors");
  EXPECT_EQ(ColorText(63), "9223372036854775808 Colors");
  EXPECT_EQ(ColorText(64), "2^64 Colors");
  EXPECT_EQ(ColorText(-1), "2^-1 Colors");
  EXPECT_EQ(ColorText(INT32_MIN), "2^-2147483648 Colors");
  EXPECT_EQ(ColorKey(INT32_MAX), "2^2147483647");
}

// A picked text must lead back to one depth, and a key must select its own text.
TEST(ModeTexts, EveryDepthHasItsOwnTextAndKeyIsItsBeginning) {
  std::set<std::string> texts;
  for (int32_t bits = -70; bits <= 70; ++bits) {
    const std::string text = ColorText(bits);
    EXPECT_TRUE(texts.insert(text).second) << text;
    EXPECT_TRUE(text.starts_with(ColorKey(bits))) << bits;
  }
  for (int32_t frequency = -3; frequency <= 200; ++frequency) {
    EXPECT_TRUE(RefreshText(frequency).starts_with(RefreshKey(frequency))) << frequency;
  }
}

TEST(ModeTexts, ModeAndDesktopAreaTexts) {
  EXPECT_EQ(DesktopAreaText({8, 1024, 768, 60}), "1024 by 768");
  EXPECT_EQ(ModeText({15, 800, 600, 75}), "800 by 600 Pixels, 32768 Colors, 75 Hertz");
  EXPECT_EQ(ModeText({32, 1280, 1024, 1}), "1280 by 1024 Pixels, True Color, Hardware default refresh");
}

}  // namespace
}  // namespace vexel
