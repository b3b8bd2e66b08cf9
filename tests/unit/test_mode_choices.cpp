#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "mode_test_support.h"
#include "modes/mode_choices.h"
#include "modes/mode_tables.h"

namespace vexel {
namespace {

ModeCatalogue WithWidths(std::initializer_list<int32_t> widths) {
  ModeCatalogue catalogue;
  for (int32_t width : widths) {
    catalogue.push_back({8, width, 480, 60});
  }
  return catalogue;
}

// The insertion rule walked literally, as the reference for the fast build.
std::vector<int32_t> InsertLiterally(const ModeCatalogue& catalogue) {
  std::vector<int32_t> widths;
  for (const DisplayMode& mode : catalogue) {
    if (std::ranges::find(widths, mode.PelsWidth) != widths.end()) {
      continue;
    }
    auto position = widths.begin();
    for (auto it = widths.begin(); it != widths.end(); ++it) {
      if (*it < mode.PelsWidth) {
        position = it + 1;
      }
    }
    widths.insert(position, mode.PelsWidth);
  }
  return widths;
}

TEST(DesktopAreaWidths, BuiltInTables) {
  EXPECT_EQ(BuildDesktopAreaWidths(TableModes(VexelKiteModes)), (std::vector<int32_t>{640, 800, 1024, 1280}));
  EXPECT_EQ(BuildDesktopAreaWidths(TableModes(VexelHawkModes)), (std::vector<int32_t>{640, 800, 1024, 1152, 1280}));
  EXPECT_TRUE(BuildDesktopAreaWidths({}).empty());
}

TEST(DesktopAreaWidths, UnorderedDriverWidthsAscend) {
  EXPECT_EQ(BuildDesktopAreaWidths(WithWidths({1024, 640, 800})), (std::vector<int32_t>{640, 800, 1024}));
  EXPECT_EQ(BuildDesktopAreaWidths(WithWidths({800, -1, 800, 0, -1})), (std::vector<int32_t>{-1, 0, 800}));
}

TEST(DesktopAreaWidths, MatchesTheLiteralInsertionRule) {
  std::mt19937 random(1234);
  std::uniform_int_distribution<int32_t> width(-50, 50);
  for (int round = 0; round < 200; ++round) {
    ModeCatalogue catalogue;
    const size_t size = static_cast<size_t>(round % 40);
    for (size_t i = 0; i < size; ++i) {
      catalogue.push_back({8, width(random), 480, 60});
    }
    EXPECT_EQ(BuildDesktopAreaWidths(catalogue), InsertLiterally(catalogue));
  }
}

TEST(PickedTextLookup, TakesTheFirstModeWithExactlyThatText) {
  const ModeCatalogue catalogue{{8, 640, 480, 1}, {32, 640, 480, 0}, {15, 800, 600, 75}};
  EXPECT_EQ(LookupRefresh(catalogue, "Hardware default refresh", 60), 1);
  EXPECT_EQ(LookupRefresh(catalogue, "75 Hertz", 60), 75);
  EXPECT_EQ(LookupColor(catalogue, "True Color", 8), 32);
  EXPECT_EQ(LookupColor(catalogue, "32768 Colors", 8), 15);
}

TEST(PickedTextLookup, LeavesTheValueWithoutAnExactMatch) {
  const ModeCatalogue catalogue{{15, 800, 600, 75}};
  EXPECT_EQ(LookupRefresh(catalogue, "75 hertz", 60), 60);
  EXPECT_EQ(LookupRefresh(catalogue, "75", 60), 60);
  EXPECT_EQ(LookupColor(catalogue, "65536 Colors", 8), 8);
  EXPECT_EQ(LookupColor({}, "True Color", 16), 16);
}

}  // namespace
}  // namespace vexel
