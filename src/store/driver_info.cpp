#include "store/driver_info.h"

namespace vexel {
namespace {

constexpr size_t VendorIdOffset = 8;
constexpr size_t BoardModelOffset = 20;
constexpr size_t LocalBufferSizeOffset = 28;
constexpr size_t LocalBufferWidthOffset = 32;

// Assembled byte by byte so the result does not depend on the host's order.
uint32_t ReadLittleEndian32(const std::array<uint8_t, DriverInfoReply::Size>& bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

}  // namespace

uint32_t DriverInfoReply::VendorId() const {
    return ReadLittleEndian32(Bytes, VendorIdOffset);
}

uint32_t DriverInfoReply::BoardModel() const {
    return ReadLittleEndian32(Bytes, BoardModelOffset);
}

uint32_t DriverInfoReply::LocalBufferSize() const {
    return ReadLittleEndian32(Bytes, LocalBufferSizeOffset);
}

uint32_t DriverInfoReply::LocalBufferWidth() const {
    return ReadLittleEndian32(Bytes, LocalBufferWidthOffset);
}

bool DriverInfoReply::IsSupportedVendor() const {
    return VendorId() == SupportedVendorId;
}

bool DriverAnswered(const DriverEscapeOutcome& outcome) {
    return outcome.VersionSupported && outcome.InfoSupported && outcome.InfoResult > 0;
}

}  // namespace vexel
