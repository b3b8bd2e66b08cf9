#include "core/driver_info_reply.h"

#include "core/little_endian.h"

namespace vexel {

uint32_t DriverInfoReply::VendorId() const { return ReadLittleEndian32(bytes, kVendorIdOffset); }

uint32_t DriverInfoReply::BoardModel() const { return ReadLittleEndian32(bytes, kBoardModelOffset); }

uint32_t DriverInfoReply::LocalBufferSize() const { return ReadLittleEndian32(bytes, kLocalBufferSizeOffset); }

uint32_t DriverInfoReply::LocalBufferWidth() const { return ReadLittleEndian32(bytes, kLocalBufferWidthOffset); }

bool DriverInfoReply::IsSupportedVendor() const { return VendorId() == kSupportedVendorId; }

}  // namespace vexel
