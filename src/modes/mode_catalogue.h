#pragma once

#include <string_view>
#include <vector>

#include "core/display_mode.h"
#include "core/mode_source.h"

namespace vexel {

// Refills `catalogue` for a board-model name (callers pass it upper-cased):
// the VexelHawk table, else the VexelKite table, else the driver's own modes.
void FillModeCatalogue(ModeCatalogue& catalogue, std::string_view cardName, ModeSource& driverModes);

}  // namespace vexel
