#include "store/driver_info.h"

#include "platform/little_endian.h"

namespace vexel {

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
