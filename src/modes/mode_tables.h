#pragma once

#include <array>
#include <string_view>

#include "core/display_mode.h"

namespace vexel {

// Board-model words that select a built-in table; matched case-sensitively.
inline constexpr std::string_view kVexelHawkName = "VEXELHAWK";
inline constexpr std::string_view kVexelKiteName = "VEXELKITE";

// Built-in mode tables in the order the panel offers them. Each ends with an
// all-zero entry that marks its end and is not a mode.
extern const std::array<DisplayMode, 43> VexelHawkModes;
extern const std::array<DisplayMode, 26> VexelKiteModes;

}  // namespace vexel
