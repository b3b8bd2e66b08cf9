#pragma once

#include <cstdint>
#include <vector>

namespace vexel {

// One display mode as the driver reports it. A refresh of 0 or 1 stands for
// the hardware's default refresh.
struct DisplayMode {
  int32_t BitsPerPel = 0;
  int32_t PelsWidth = 0;
  int32_t PelsHeight = 0;
  int32_t DisplayFrequency = 0;

  friend bool operator==(const DisplayMode&, const DisplayMode&) = default;
};

// The modes the panel offers, in the order of their source, duplicates kept:
// first-match and last-best choices depend on that order.
using ModeCatalogue = std::vector<DisplayMode>;

}  // namespace vexel
