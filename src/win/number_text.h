// Parsing and formatting of the numbers that dialog fields exchange. Portable,
// so the rules behind the validation messages are tested natively.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexel::win {

// A whole decimal number with an optional sign, blanks allowed around it;
// nothing else. A number beyond the 32-bit signed range is still a number: it
// reads as the nearest limit, so that a range check refuses it as out of range.
std::optional<int32_t> ParseInt(std::string_view text);

// The same without a sign: a minus sign fails, and a number beyond 32 bits
// reads as 4294967295.
std::optional<uint32_t> ParseUnsigned(std::string_view text);

// "%1" and "%2" in a message replaced by the two texts.
std::string FormatMessage2(std::string_view pattern, std::string_view first, std::string_view second);

}  // namespace vexel::win
