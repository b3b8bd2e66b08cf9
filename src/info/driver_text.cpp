#include "info/driver_text.h"

#include <algorithm>

namespace vexel {

std::u16string Utf16Units(std::span<const std::uint8_t> bytes, std::size_t maxUnits) {
  const std::size_t units = std::min(bytes.size() / 2, maxUnits);
  std::u16string text;
  for (std::size_t i = 0; i < units; ++i) {
    const auto unit = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    if (unit == u'\0') break;
    text.push_back(unit);
  }
  return text;
}

std::string AsciiNarrowText(std::u16string_view text) {
  std::string narrow;
  narrow.reserve(text.size());
  for (const char16_t unit : text) narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return narrow;
}

}  // namespace vexel
