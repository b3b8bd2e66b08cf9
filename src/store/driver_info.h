#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vexel {

// Display driver escape codes.
inline constexpr int32_t QueryEscSupportEscape = 8;
inline constexpr int32_t DriverVersionEscape = 2050;
inline constexpr int32_t DriverInfoEscape = 2067;

// PCI vendor identifier of the rendering chip on a supported board.
inline constexpr uint32_t SupportedVendorId = 0x3D3D;

// The driver's 280-byte information reply, kept whole; the panel reads four
// little-endian 32-bit fields and passes the rest through untouched.
struct DriverInfoReply {
    static constexpr size_t Size = 280;
    // Where the four fields the panel reads stand in the reply.
    static constexpr size_t VendorIdOffset = 8;
    static constexpr size_t BoardModelOffset = 20;
    static constexpr size_t LocalBufferSizeOffset = 28;
    static constexpr size_t LocalBufferWidthOffset = 32;

    std::array<uint8_t, Size> Bytes{};

    uint32_t VendorId() const;
    // Non-zero for the VexelHawk board, zero for the VexelKite board.
    uint32_t BoardModel() const;
    uint32_t LocalBufferSize() const;
    uint32_t LocalBufferWidth() const;
    bool IsSupportedVendor() const;
};

// What the driver said to the two escapes. The information escape is only
// sent when both were reported as supported.
struct DriverEscapeOutcome {
    bool VersionSupported = false;
    bool InfoSupported = false;
    int32_t InfoResult = 0;
};

// The driver counts as answering only when it supports both escapes and the
// information escape returned a positive result.
bool DriverAnswered(const DriverEscapeOutcome& outcome);

}  // namespace vexel
