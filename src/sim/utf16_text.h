#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace vexel {

// ASCII text as the board's drivers hand it out: UTF-16LE code units
// followed by a NUL code unit.
std::vector<std::uint8_t> Utf16LeWithNul(std::string_view ascii);

}  // namespace vexel
