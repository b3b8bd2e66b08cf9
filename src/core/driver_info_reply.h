#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vexel {

// PCI vendor identifier of the rendering chip on a supported board.
inline constexpr uint32_t kSupportedVendorId = 0x3D3D;

// The driver's 280-byte information reply, kept whole; the panel reads four
// little-endian 32-bit fields and passes the rest through untouched.
struct DriverInfoReply {
  static constexpr size_t kSize = 280;
  // Where the four fields the panel reads stand in the reply.
  static constexpr size_t kVendorIdOffset = 8;
  static constexpr size_t kBoardModelOffset = 20;
  static constexpr size_t kLocalBufferSizeOffset = 28;
  static constexpr size_t kLocalBufferWidthOffset = 32;

  std::array<uint8_t, kSize> bytes{};

  uint32_t VendorId() const;
  // Non-zero for the VexelHawk board, zero for the VexelKite board.
  uint32_t BoardModel() const;
  uint32_t LocalBufferSize() const;
  uint32_t LocalBufferWidth() const;
  bool IsSupportedVendor() const;
};

}  // namespace vexel
