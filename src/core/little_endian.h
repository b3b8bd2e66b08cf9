// 32-bit little-endian fields in byte buffers, as the display driver's escapes
// exchange them, assembled byte by byte so the host's byte order never counts.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace vexel {

inline std::uint32_t ReadLittleEndian32(std::span<const std::uint8_t> bytes, std::size_t offset = 0) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
  return value;
}

inline void WriteLittleEndian32(std::span<std::uint8_t> bytes, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace vexel
