#include "win/number_text.h"

#include <charconv>
#include <limits>

namespace vexel::win {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// A number too large for the type reads as the type's nearest limit.
template <class Number>
std::optional<Number> ParseWhole(std::string_view text) {
  Number value{};
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value, 10);
  if (text.empty() || end != last) return std::nullopt;
  if (error == std::errc::result_out_of_range) {
    return text.front() == '-' ? std::numeric_limits<Number>::min() : std::numeric_limits<Number>::max();
  }
  if (error != std::errc()) return std::nullopt;
  return value;
}

// A leading plus sign is accepted, but only before a digit.
std::string_view WithoutPlus(std::string_view text) {
  if (text.size() > 1 && text.front() == '+' && text[1] >= '0' && text[1] <= '9') text.remove_prefix(1);
  return text;
}

}  // namespace

std::optional<int32_t> ParseInt(std::string_view text) { return ParseWhole<int32_t>(WithoutPlus(Trim(text))); }

std::optional<uint32_t> ParseUnsigned(std::string_view text) { return ParseWhole<uint32_t>(WithoutPlus(Trim(text))); }

std::string FormatMessage2(std::string_view pattern, std::string_view first, std::string_view second) {
  std::string out;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
      out += pattern[i + 1] == '1' ? first : second;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace vexel::win
