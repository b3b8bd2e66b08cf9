#pragma once

#include <cstdint>
#include <string>

#include "core/display_mode.h"

namespace vexel {

// "Hardware default refresh" for 0 or 1, otherwise "<f> Hertz".
std::string RefreshText(int32_t frequency);

// "True Color" for 32 bits, otherwise "<2^b> Colors". A depth from 0 to 63
// names its exact colour count. No count fits 64 bits outside that range, so
// a negative or larger depth from a faulty driver reads "2^<b> Colors": still
// one distinct text per depth, so a picked text leads back to its depth.
std::string ColorText(int32_t bitsPerPel);

// "<width> by <height>".
std::string DesktopAreaText(const DisplayMode& mode);

// "<width> by <height> Pixels, <colours>, <refresh>".
std::string ModeText(const DisplayMode& mode);

// Beginnings of RefreshText and ColorText used to select an existing list
// entry by prefix: "Hardware" or "<f>"; "True" or the colour count.
std::string RefreshKey(int32_t frequency);
std::string ColorKey(int32_t bitsPerPel);

}  // namespace vexel
