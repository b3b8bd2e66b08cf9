#include <gtest/gtest.h>

#include "mode_test_support.h"
#include "modes/settings_rules.h"

namespace vexel {
namespace {

struct ScrollCase {
  ScrollCode code;
  int position;
  int carried;
  int expected;
};

TEST(DesktopAreaScrollPosition, MovesByTheCodeWithinTheDesktopAreas) {
  constexpr int kCount = 4;
  for (const ScrollCase& c : {ScrollCase{ScrollCode::LineLeft, 2, 0, 1},
                              {ScrollCode::PageLeft, 0, 0, 0},
                              {ScrollCode::LineRight, 2, 0, 3},
                              {ScrollCode::PageRight, 3, 0, 3},
                              {ScrollCode::ThumbTrack, 0, 2, 2},
                              {ScrollCode::ThumbPosition, 3, 1, 1},
                              {ScrollCode::Left, 3, 0, 0},
                              {ScrollCode::Right, 0, 0, 3},
                              {ScrollCode::EndScroll, 2, 0, 2},
                              // A thumb message carrying a position out of range stays on the bar.
                              {ScrollCode::ThumbTrack, 1, 9, 3}}) {
    EXPECT_EQ(DesktopAreaScrollPosition(static_cast<int>(c.code), c.position, kCount, c.carried), c.expected)
        << static_cast<int>(c.code);
  }
}

TEST(DesktopAreaScrollPosition, WithoutDesktopAreasNothingMoves) {
  EXPECT_EQ(DesktopAreaScrollPosition(static_cast<int>(ScrollCode::Right), 0, 0, 0), std::nullopt);
  EXPECT_EQ(DesktopAreaScrollPosition(static_cast<int>(ScrollCode::LineLeft), 0, 0, 0), std::nullopt);
}

TEST(AdapterTypePrefix, CardNameFirstThenTheAnsweringDriversModel) {
  EXPECT_EQ(AdapterTypePrefix("VEXELKITE", true, 1), "VEXELKITE");
  EXPECT_EQ(AdapterTypePrefix("", true, 1), "VEXELHAWK");
  EXPECT_EQ(AdapterTypePrefix("", true, 0), "VEXELKITE");
  EXPECT_EQ(AdapterTypePrefix("", false, 1), std::nullopt);
}

TEST(ApplicationListAvailable, OnlyForTheSupportedVendorAndNoCardName) {
  EXPECT_TRUE(ApplicationListAvailable("", 0x3D3D));
  EXPECT_FALSE(ApplicationListAvailable("VEXELHAWK", 0x3D3D));
  EXPECT_FALSE(ApplicationListAvailable("", 0x104C));
}

TEST(FindModeByText, TakesTheFirstModeWithExactlyThatText) {
  const ModeCatalogue catalogue{{8, 800, 600, 1}, {8, 800, 601, 60}, {8, 800, 600, 0}};
  EXPECT_EQ(FindModeByText(catalogue, "800 by 600 Pixels, 256 Colors, Hardware default refresh"),
            (DisplayMode{8, 800, 600, 1}));
  EXPECT_EQ(FindModeByText(catalogue, "800 by 600 pixels, 256 Colors, Hardware default refresh"), std::nullopt);
}

}  // namespace
}  // namespace vexel
