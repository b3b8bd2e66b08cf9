#include "platform/display.h"

#include "store/driver_info.h"

namespace vexel {

bool Display::QueryEscapeSupport(std::int32_t escape) {
  return Escape(QueryEscSupportEscape, EscapeInput(escape), {}) != 0;
}

std::array<std::uint8_t, 4> EscapeInput(std::int32_t code) {
  const auto value = static_cast<std::uint32_t>(code);
  return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

}  // namespace vexel
