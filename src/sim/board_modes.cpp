#include "sim/board_modes.h"

#include <cstdint>
#include <span>

namespace vexel {

namespace {

// The refresh rates the RAMDAC's timing table has for a size.
constexpr std::int32_t kEveryRefresh[] = {60, 70, 72, 75};
constexpr std::int32_t kNo72Hz[] = {60, 70, 75};  // 1152 x 870 has no 72 Hz timing
constexpr std::int32_t kOnly60Hz[] = {60};

struct SizeTimings {
  std::int32_t width;
  std::int32_t height;
  std::span<const std::int32_t> refreshes;
};

struct DepthSizes {
  std::int32_t bitsPerPel;
  std::span<const SizeTimings> sizes;
};

// The VexelHawk: 1280 x 1024 up to 15 bits per pixel, 640 x 480 in 8 bits only.
constexpr SizeTimings kHawk8[] = {{640, 480, kOnly60Hz},
                                  {800, 600, kEveryRefresh},
                                  {1024, 768, kEveryRefresh},
                                  {1152, 870, kNo72Hz},
                                  {1280, 1024, kEveryRefresh}};
constexpr SizeTimings kHawk15[] = {
    {800, 600, kEveryRefresh}, {1024, 768, kEveryRefresh}, {1152, 870, kNo72Hz}, {1280, 1024, kEveryRefresh}};
constexpr SizeTimings kHawk32[] = {{800, 600, kEveryRefresh}, {1024, 768, kEveryRefresh}, {1152, 870, kNo72Hz}};
constexpr DepthSizes kHawk[] = {{8, kHawk8}, {15, kHawk15}, {32, kHawk32}};

// The VexelKite: no 1152 x 870, 1280 x 1024 in 8 bits only, 32 bits at
// 800 x 600 only.
constexpr SizeTimings kKite8[] = {
    {640, 480, kOnly60Hz}, {800, 600, kEveryRefresh}, {1024, 768, kEveryRefresh}, {1280, 1024, kEveryRefresh}};
constexpr SizeTimings kKite15[] = {{800, 600, kEveryRefresh}, {1024, 768, kEveryRefresh}};
constexpr SizeTimings kKite32[] = {{800, 600, kEveryRefresh}};
constexpr DepthSizes kKite[] = {{8, kKite8}, {15, kKite15}, {32, kKite32}};

}  // namespace

std::vector<DisplayMode> BoardModes(BoardModel model) {
  const std::span<const DepthSizes> depths =
      model == BoardModel::VexelHawk ? std::span<const DepthSizes>(kHawk) : std::span<const DepthSizes>(kKite);
  std::vector<DisplayMode> modes;
  for (const DepthSizes& depth : depths) {
    for (const SizeTimings& size : depth.sizes) {
      for (const std::int32_t refresh : size.refreshes) {
        modes.push_back({depth.bitsPerPel, size.width, size.height, refresh});
      }
    }
  }
  return modes;
}

}  // namespace vexel
