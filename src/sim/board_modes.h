#pragma once

#include <vector>

#include "core/display_mode.h"
#include "sim/simulated_board_config.h"

namespace vexel {

// Every mode the board's driver can show, in the order its driver lists
// them: depth by depth, within a depth size by size, each size with its
// refresh rates. Each mode is listed once.
std::vector<DisplayMode> BoardModes(BoardModel model);

}  // namespace vexel
