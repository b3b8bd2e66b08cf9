#include "options/memory_text.h"

namespace vexel {
namespace {

uint32_t WholeMegabytes(uint32_t bytes) { return bytes >> 20; }

// The board has no 1 MB local buffer; a reply that says so means 2 MB.
uint32_t LocalBufferMegabytes(uint32_t bytes) {
  const uint32_t megabytes = WholeMegabytes(bytes);
  return megabytes == 1 ? 2 : megabytes;
}

}  // namespace

// The numbers are unsigned, as the driver gives them: a width with its top bit
// set must not show as a negative number.
std::string MemoryText(const DriverInfoReply& info, uint32_t memorySize) {
  if (!info.IsSupportedVendor()) return {};
  return std::to_string(WholeMegabytes(memorySize)) + " MB\n\n" +
         std::to_string(LocalBufferMegabytes(info.LocalBufferSize())) + " MB\n\n" +
         std::to_string(info.LocalBufferWidth()) + " Bit";
}

}  // namespace vexel
