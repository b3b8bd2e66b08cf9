#pragma once

#include "core/display_mode.h"
#include "modes/mode_catalogue.h"

namespace vexel {

// True when some catalogue mode has the current depth, refresh and width
// (height is not compared). Otherwise the current mode becomes 1024 x 768,
// 15 bpp, 60 Hz, whether or not the catalogue holds it, and false is returned.
bool CheckCurrentMode(const ModeCatalogue& catalogue, DisplayMode& current);

// The mode to switch to after one choice changed in `current`. Among the
// modes that share the changed field, the first one that also matches the two
// other choices wins; failing that, the one with the greatest ranking field,
// the last of equals. With no candidate at all the ranking field comes back 0.
//
// FitByRefresh: key DisplayFrequency, matches BitsPerPel and PelsWidth, ranks PelsWidth.
// FitByColor:   key BitsPerPel, matches DisplayFrequency and PelsWidth, ranks PelsWidth.
// FitByWidth:   key PelsWidth, matches DisplayFrequency and BitsPerPel, ranks DisplayFrequency.
DisplayMode FitByRefresh(const ModeCatalogue& catalogue, const DisplayMode& current);
DisplayMode FitByColor(const ModeCatalogue& catalogue, const DisplayMode& current);
DisplayMode FitByWidth(const ModeCatalogue& catalogue, const DisplayMode& current);

}  // namespace vexel
