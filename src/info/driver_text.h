// Text that the display driver hands out as UTF-16LE (the miniport's REG_BINARY
// values, the version escape's reply), decoded without trusting the data's
// length or its terminator.
#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

namespace vexel {

// The whole little-endian code units of `bytes` up to, not including, the
// first NUL unit, and at most `maxUnits` of them. An odd trailing byte is
// not a code unit and is dropped.
std::u16string Utf16Units(std::span<const std::uint8_t> bytes,
                          std::size_t maxUnits = std::numeric_limits<std::size_t>::max());

// Turns UTF-16 into the program's narrow text.
using NarrowConverter = std::string (*)(std::u16string_view);

// The narrow text for a build without the system's code pages: ASCII, which
// every ANSI code page shares, stays; every other code unit becomes '?'.
std::string AsciiNarrowText(std::u16string_view text);

}  // namespace vexel
