#pragma once

#include <vector>

#include "core/display_mode.h"
#include "sim/simulated_board_config.h"

namespace vexel {

using DriverModeList = std::vector<DisplayMode>;

// The lists of modes the configured driver serves, in its own order. A driver
// whose list never changes has one; one that changes with each mode set has
// the lists it moves through, in turn.
std::vector<DriverModeList> DriverModeLists(const SimulatedBoardConfig& config, const DisplayMode& startupMode);

}  // namespace vexel
