// The system colours taken over for palette formats and given back from the
// user's colour settings.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "info/probe/sys_colors.h"
#include "shared/memory_registry.h"

namespace vexel {
namespace {

TEST(SysColors, TableIsIndexedByElementWithPaletteRelativeColours) {
  for (std::size_t i = 0; i < kSysColorElements.size(); ++i) {
    EXPECT_EQ(kSysColorElements[i].index, static_cast<int>(i));
    const auto color = kSysColorElements[i].takenOverColor;
    EXPECT_TRUE(color == kPaletteBlack || color == kPaletteWhite) << i;
  }
  EXPECT_EQ(kSysColorElements[1].name, "Background");
  EXPECT_EQ(kSysColorElements[20].name, "ButtonHilight");
  EXPECT_EQ(kSysColorElements[20].takenOverColor, kPaletteBlack);
  EXPECT_EQ(kSysColorElements[24].name, "InfoWindow");
}

TEST(SysColors, OnlyNt35And351TakeOverTwentyOneElements) {
  EXPECT_EQ(TakenOverElementCount({kPlatformWin32Nt, 3, 50}), 21u);
  EXPECT_EQ(TakenOverElementCount({kPlatformWin32Nt, 3, 51}), 21u);
  EXPECT_EQ(TakenOverElementCount({kPlatformWin32Nt, 3, 10}), 25u);
  EXPECT_EQ(TakenOverElementCount({kPlatformWin32Nt, 4, 0}), 25u);
  EXPECT_EQ(TakenOverElementCount({kPlatformWin32Windows, 3, 50}), 25u);
  EXPECT_EQ(TakenOverElementCount({kPlatformWin32Nt, 6, 1}), 25u);
}

TEST(SysColors, ColourTextNeedsThreeNumbersAndKeepsLowBytes) {
  EXPECT_EQ(ParseColorText("255 128 0"), 0x0080FFu);
  EXPECT_EQ(ParseColorText("  1\t2 3 trailing"), 0x030201u);
  EXPECT_EQ(ParseColorText("256 -1 511"), 0xFFFF00u);
  for (const char* bad : {"", "1 2", "red green blue", "1,2,3"}) {
    EXPECT_FALSE(ParseColorText(bad).has_value()) << '"' << bad << '"';
  }
}

class GivenBackColorsTest : public testing::Test {
 protected:
  void PutText(std::string_view name, const std::string& text, std::uint32_t type = kRegSz) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    registry_.Put(Hive::CurrentUser, kUserColorsKey, name, {type, data});
  }
  std::vector<std::uint32_t> Saved(std::size_t count) const {
    std::vector<std::uint32_t> saved;
    for (std::size_t i = 0; i < count; ++i) saved.push_back(0x100 + static_cast<std::uint32_t>(i));
    return saved;
  }

  MemoryRegistry registry_;
};

TEST_F(GivenBackColorsTest, WithoutTheUsersKeyTheSavedColoursReturn) {
  registry_.Put(Hive::LocalMachine, kUserColorsKey, "Background", {kRegSz, {'1', ' ', '2', ' ', '3', 0}});
  EXPECT_EQ(GivenBackColors(registry_, Saved(25)), Saved(25));
}

TEST_F(GivenBackColorsTest, UsersTextSettingsWinWhereTheyHoldAColour) {
  PutText("Background", "1 2 3");
  PutText("menutext", "10 20 30");  // names compare without regard to case
  PutText("Window", "4 5 6", kRegBinary);
  PutText("WindowFrame", "7 8 9", kRegExpandSz);
  PutText("Menu", "not a colour");
  PutText("InfoWindow", "40 50 60");
  const auto colors = GivenBackColors(registry_, Saved(25));
  auto expected = Saved(25);
  expected[1] = 0x030201;
  expected[7] = 0x1E140A;
  expected[6] = 0x090807;
  expected[24] = 0x3C3228;
  EXPECT_EQ(colors, expected);
}

TEST_F(GivenBackColorsTest, ValuesOver64BytesOrWithoutNulAreHandledSafely) {
  PutText("Scrollbar", "1 2 3" + std::string(70, ' '));
  registry_.Put(Hive::CurrentUser, kUserColorsKey, "Background", {kRegSz, {'9', ' ', '8', ' ', '7'}});
  const auto colors = GivenBackColors(registry_, Saved(25));
  EXPECT_EQ(colors[0], 0x100u);
  EXPECT_EQ(colors[1], 0x070809u);
}

TEST_F(GivenBackColorsTest, OnlyTheElementsTakenOverAreRead) {
  PutText("ButtonDkShadow", "1 1 1");
  PutText("ButtonHilight", "2 2 2");
  const auto colors = GivenBackColors(registry_, Saved(21));
  ASSERT_EQ(colors.size(), 21u);
  EXPECT_EQ(colors[20], 0x020202u);
}

}  // namespace
}  // namespace vexel
