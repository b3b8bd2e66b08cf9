// Parsing and formatting of the numbers that dialog fields exchange. Portable,
// so the rules behind the validation messages are tested natively.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vexel::win {

// A whole decimal number with an optional sign, blanks allowed around it;
// nothing else, and nothing outside the 32-bit signed range.
std::optional<int32_t> ParseInt(std::string_view text);

// The same without a sign: a minus sign or a value above 32 bits fails.
std::optional<uint32_t> ParseUnsigned(std::string_view text);

// "%1" and "%2" in a message replaced by the two texts.
std::string FormatMessage2(std::string_view pattern, std::string_view first, std::string_view second);

}  // namespace vexel::win
