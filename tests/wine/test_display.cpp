// The GDI display seam against Wine's real display driver. Nothing here
// changes the display mode: modes are only ever tested (CDS_TEST).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "modes/mode_catalogue.h"
#include "platform/gdi_display.h"
#include "store/driver_info.h"

namespace vexel {
namespace {

// Far more than any driver lists: a bound that only a runaway enumeration reaches.
constexpr std::uint32_t kModeLimit = 100000;

ModeCatalogue ListedModes(GdiDisplay& display) {
  ModeCatalogue modes;
  DisplayMode mode;
  for (std::uint32_t number = 0; number < kModeLimit && display.EnumMode(number, mode); ++number) {
    modes.push_back(mode);
  }
  return modes;
}

TEST(GdiDisplay, EnumerationEndsAndMatchesTheCatalogue) {
  GdiDisplay display;
  const ModeCatalogue modes = ListedModes(display);
  ASSERT_FALSE(modes.empty());
  EXPECT_LT(modes.size(), kModeLimit);
  ModeCatalogue catalogue;
  FillModeCatalogue(catalogue, "", display);
  EXPECT_EQ(modes, catalogue);
  for (const DisplayMode& mode : modes) {
    EXPECT_GT(mode.PelsWidth, 0);
    EXPECT_GT(mode.PelsHeight, 0);
    EXPECT_GT(mode.BitsPerPel, 0);
  }
}

TEST(GdiDisplay, CapabilitiesDescribeAListedMode) {
  GdiDisplay display;
  const DeviceCaps caps = display.Caps();
  EXPECT_GT(caps.width, 0);
  EXPECT_GT(caps.height, 0);
  EXPECT_TRUE(caps.bitsPerPixel == 8 || caps.bitsPerPixel == 16 || caps.bitsPerPixel == 24 || caps.bitsPerPixel == 32)
      << caps.bitsPerPixel;
  EXPECT_GE(caps.refresh, 0);
  const ModeCatalogue modes = ListedModes(display);
  EXPECT_TRUE(std::ranges::any_of(
      modes, [&](const DisplayMode& mode) { return mode.PelsWidth == caps.width && mode.PelsHeight == caps.height; }));
}

TEST(GdiDisplay, TestsListedModesAndRefusesOthers) {
  GdiDisplay display;
  const DeviceCaps caps = display.Caps();
  const ModeCatalogue modes = ListedModes(display);
  const auto running = std::ranges::find_if(
      modes, [&](const DisplayMode& mode) { return mode.PelsWidth == caps.width && mode.PelsHeight == caps.height; });
  ASSERT_NE(running, modes.end());
  EXPECT_EQ(kDispChangeSuccessful, display.ChangeMode(*running, true));
  EXPECT_NE(kDispChangeSuccessful, display.ChangeMode({32, 12345, 777, 60}, true));
  EXPECT_EQ(caps, display.Caps());
}

TEST(GdiDisplay, WineDriverSupportsNeitherBoardEscape) {
  GdiDisplay display;
  EXPECT_FALSE(display.QueryEscapeSupport(kDriverVersionEscape));
  EXPECT_FALSE(display.QueryEscapeSupport(kDriverInfoEscape));
}

TEST(GdiDisplay, VersionIsThatOfAnNtSystem) {
  GdiDisplay display;
  const VersionInfo version = display.Version();
  EXPECT_EQ(static_cast<std::uint32_t>(VER_PLATFORM_WIN32_NT), version.platformId);
  EXPECT_GE(version.majorVersion, 4u);
  EXPECT_GT(version.buildNumber, 0u);
}

}  // namespace
}  // namespace vexel
