#pragma once

#include <string_view>
#include <vector>

#include "modes/display_mode.h"
#include "modes/mode_source.h"

namespace vexel {

// The modes the panel offers, in the order of their source, duplicates kept:
// first-match and last-best choices depend on that order.
using ModeCatalogue = std::vector<DisplayMode>;

// Refills `catalogue` for a board-model name (callers pass it upper-cased):
// the VexelHawk table, else the VexelKite table, else the driver's own modes.
void FillModeCatalogue(ModeCatalogue& catalogue, std::string_view cardName, ModeSource& driverModes);

}  // namespace vexel
