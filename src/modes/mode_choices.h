#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "modes/mode_catalogue.h"

namespace vexel {

// The distinct widths of the catalogue, strictly ascending: what inserting each
// new width after the last smaller listed one yields, whatever the catalogue's
// order. Costs O(n log k) for n modes of k distinct widths.
std::vector<int32_t> BuildDesktopAreaWidths(const ModeCatalogue& catalogue);

// The refresh (or depth) of the first mode whose RefreshText (or ColorText) is
// exactly `text`; `unchanged` when no mode's text is.
int32_t LookupRefresh(const ModeCatalogue& catalogue, std::string_view text, int32_t unchanged);
int32_t LookupColor(const ModeCatalogue& catalogue, std::string_view text, int32_t unchanged);

}  // namespace vexel
