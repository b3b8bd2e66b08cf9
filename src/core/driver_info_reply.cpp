#include "core/driver_info_reply.h"

#include "core/little_endian.h"

namespace vexel {

uint32_t DriverInfoReply::VendorId() const { return ReadLittleEndian32(Bytes, VendorIdOffset); }

uint32_t DriverInfoReply::BoardModel() const { return ReadLittleEndian32(Bytes, BoardModelOffset); }

uint32_t DriverInfoReply::LocalBufferSize() const { return ReadLittleEndian32(Bytes, LocalBufferSizeOffset); }

uint32_t DriverInfoReply::LocalBufferWidth() const { return ReadLittleEndian32(Bytes, LocalBufferWidthOffset); }

bool DriverInfoReply::IsSupportedVendor() const { return VendorId() == SupportedVendorId; }

}  // namespace vexel
