#include "platform/display.h"

#include "core/little_endian.h"

namespace vexel {

bool Display::QueryEscapeSupport(std::int32_t escape) {
  return Escape(kQueryEscSupportEscape, EscapeInput(escape), {}) != 0;
}

std::array<std::uint8_t, 4> EscapeInput(std::int32_t code) {
  std::array<std::uint8_t, 4> input{};
  WriteLittleEndian32(input, 0, static_cast<std::uint32_t>(code));
  return input;
}

}  // namespace vexel
