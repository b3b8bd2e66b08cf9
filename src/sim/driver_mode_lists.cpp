#include "sim/driver_mode_lists.h"

#include <cstddef>
#include <cstdint>

#include "sim/board_modes.h"

namespace vexel {

namespace {

constexpr std::size_t kHostileModeCount = 100000;

// What a DWORD of all ones reads as in a mode's signed fields.
constexpr std::int32_t kAllOnes = static_cast<std::int32_t>(std::uint32_t{4294967295});

// A hostile driver's values: the usual beside ones no display has.
constexpr std::int32_t kHostileDepths[] = {4, 15, 16, 24, 32, 0, 7, 33, kAllOnes};
constexpr std::int32_t kHostileSizes[][2] = {{640, 480},   {800, 600}, {1024, 768}, {1152, 870}, {1280, 1024},
                                             {1600, 1200}, {320, 200}, {0, 0},      {65535, 1},  {kAllOnes, kAllOnes}};
constexpr std::int32_t kHostileRefreshes[] = {0, 1, 60, 72, 75, 85, 2, kAllOnes};

// Every combination of the values above, over and over: each mode is listed
// about a hundred times, far apart.
DriverModeList HostileModes() {
  constexpr std::size_t kDepthCount = std::size(kHostileDepths);
  constexpr std::size_t kSizeCount = std::size(kHostileSizes);
  DriverModeList modes;
  modes.reserve(kHostileModeCount);
  for (std::size_t i = 0; i < kHostileModeCount; ++i) {
    const auto& size = kHostileSizes[(i / kDepthCount) % kSizeCount];
    modes.push_back({kHostileDepths[i % kDepthCount], size[0], size[1],
                     kHostileRefreshes[(i / (kDepthCount * kSizeCount)) % std::size(kHostileRefreshes)]});
  }
  return modes;
}

// The board's list with the start-up mode listed a second time at the end,
// as drivers list some modes twice.
DriverModeList BoardList(BoardModel model, const DisplayMode& startupMode) {
  DriverModeList modes = BoardModes(model);
  modes.push_back(startupMode);
  return modes;
}

// The board's list and what a newer timing table adds to it: a 16-bit
// depth, 1600 x 1200 and 85 Hz.
DriverModeList LongerBoardList(BoardModel model, const DisplayMode& startupMode) {
  DriverModeList modes = BoardList(model, startupMode);
  for (const DisplayMode added :
       {DisplayMode{16, 1024, 768, 85}, DisplayMode{16, 1600, 1200, 60}, DisplayMode{8, 1600, 1200, 85}}) {
    modes.push_back(added);
  }
  return modes;
}

}  // namespace

std::vector<DriverModeList> DriverModeLists(const SimulatedBoardConfig& config, const DisplayMode& startupMode) {
  switch (config.listing) {
    case ModeListing::None:
      return {DriverModeList{}};
    case ModeListing::One:
      return {DriverModeList{startupMode}};
    case ModeListing::Hostile:
      return {HostileModes()};
    case ModeListing::Changing:
      return {BoardList(config.model, startupMode), LongerBoardList(config.model, startupMode)};
    case ModeListing::Board:
      break;
  }
  return {BoardList(config.model, startupMode)};
}

}  // namespace vexel
