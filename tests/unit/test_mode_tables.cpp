#include <gtest/gtest.h>

#include <algorithm>
#include <span>

#include "mode_test_support.h"
#include "modes/mode_tables.h"

namespace vexel {
namespace {

// The table's modes without its end marker, 1-based positions as documented.
template <size_t N>
DisplayMode At(const std::array<DisplayMode, N>& table, size_t position) {
  return table.at(position - 1);
}

template <size_t N>
void ExpectWellFormed(const std::array<DisplayMode, N>& table) {
  EXPECT_EQ(table.back(), DisplayMode{});
  const std::span<const DisplayMode> modes(table.data(), N - 1);
  EXPECT_TRUE(std::ranges::none_of(modes, [](const DisplayMode& m) { return m.BitsPerPel == 0; }));
  EXPECT_TRUE(std::ranges::is_sorted(modes, {}, &DisplayMode::PelsWidth));
}

template <size_t N>
size_t CountAt(const std::array<DisplayMode, N>& table, int32_t width, int32_t refresh) {
  return static_cast<size_t>(std::ranges::count_if(
      table, [&](const DisplayMode& m) { return m.PelsWidth == width && m.DisplayFrequency == refresh; }));
}

TEST(ModeTables, KiteHas25ModesAndAnEndMarker) {
  EXPECT_EQ(VexelKiteModes.size(), 26u);
  ExpectWellFormed(VexelKiteModes);
}

TEST(ModeTables, HawkHas42ModesAndAnEndMarker) {
  EXPECT_EQ(VexelHawkModes.size(), 43u);
  ExpectWellFormed(VexelHawkModes);
}

TEST(ModeTables, KiteListsEachRefreshWithAllItsDepths) {
  EXPECT_EQ(At(VexelKiteModes, 1), (DisplayMode{8, 640, 480, 60}));
  EXPECT_EQ(At(VexelKiteModes, 2), (DisplayMode{8, 800, 600, 60}));
  EXPECT_EQ(At(VexelKiteModes, 3), (DisplayMode{15, 800, 600, 60}));
  EXPECT_EQ(At(VexelKiteModes, 4), (DisplayMode{32, 800, 600, 60}));
  EXPECT_EQ(At(VexelKiteModes, 5), (DisplayMode{8, 800, 600, 70}));
  EXPECT_EQ(At(VexelKiteModes, 13), (DisplayMode{32, 800, 600, 75}));
  EXPECT_EQ(At(VexelKiteModes, 14), (DisplayMode{8, 1024, 768, 60}));
  EXPECT_EQ(At(VexelKiteModes, 21), (DisplayMode{15, 1024, 768, 75}));
  EXPECT_EQ(At(VexelKiteModes, 22), (DisplayMode{8, 1280, 1024, 60}));
  EXPECT_EQ(At(VexelKiteModes, 25), (DisplayMode{8, 1280, 1024, 75}));
}

TEST(ModeTables, HawkHasNo72HertzAt1152) {
  EXPECT_EQ(CountAt(VexelHawkModes, 1152, 72), 0u);
  EXPECT_EQ(CountAt(VexelHawkModes, 1152, 70), 3u);
  EXPECT_EQ(At(VexelHawkModes, 26), (DisplayMode{8, 1152, 870, 60}));
  EXPECT_EQ(At(VexelHawkModes, 32), (DisplayMode{8, 1152, 870, 75}));
  EXPECT_EQ(At(VexelHawkModes, 34), (DisplayMode{32, 1152, 870, 75}));
}

TEST(ModeTables, Hawk1280BlockIsOrderedByDepthFirst) {
  const int32_t refreshes[] = {60, 70, 72, 75};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(At(VexelHawkModes, 35 + i), (DisplayMode{8, 1280, 1024, refreshes[i]}));
    EXPECT_EQ(At(VexelHawkModes, 39 + i), (DisplayMode{15, 1280, 1024, refreshes[i]}));
  }
}

}  // namespace
}  // namespace vexel
