#pragma once

#include <array>
#include <ostream>

#include "modes/mode_catalogue.h"

namespace vexel {

// Lets GoogleTest show a mode as "bpp/width x height@refresh" on a failure.
inline void PrintTo(const DisplayMode& mode, std::ostream* out) {
  *out << mode.BitsPerPel << "bpp/" << mode.PelsWidth << 'x' << mode.PelsHeight << '@' << mode.DisplayFrequency;
}

// A built-in table's modes without its end marker.
template <size_t N>
ModeCatalogue TableModes(const std::array<DisplayMode, N>& table) {
  return {table.begin(), table.end() - 1};
}

}  // namespace vexel
