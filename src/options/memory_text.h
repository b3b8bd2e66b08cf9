// The 3D Settings page's memory text: frame buffer, local buffer and the
// local buffer's width, from the driver's information reply.
#pragma once
#include <cstdint>
#include <string>

#include "core/driver_info_reply.h"

namespace vexel {

// Three lines with a blank line between each, beside the page's labels, in
// whole megabytes (truncated); empty when the reply is not from the board's
// chip vendor, whose fields then mean nothing.
std::string MemoryText(const DriverInfoReply& info, uint32_t memorySize);

}  // namespace vexel
