#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/little_endian.h"
#include "options/memory_text.h"

namespace vexel {
namespace {

struct MemoryCase {
  const char* what;
  uint32_t vendor;
  uint32_t memorySize;
  uint32_t localBufferSize;
  uint32_t localBufferWidth;
  std::string expected;
};

DriverInfoReply Reply(const MemoryCase& c) {
  DriverInfoReply reply;
  WriteLittleEndian32(reply.bytes, DriverInfoReply::kVendorIdOffset, c.vendor);
  WriteLittleEndian32(reply.bytes, DriverInfoReply::kLocalBufferSizeOffset, c.localBufferSize);
  WriteLittleEndian32(reply.bytes, DriverInfoReply::kLocalBufferWidthOffset, c.localBufferWidth);
  return reply;
}

constexpr uint32_t kMB = 1u << 20;

TEST(MemoryText, ShowsTheBoardsMemoryOnTheLabelsLines) {
  const MemoryCase cases[] = {
      {"another vendor's reply means nothing", 0x8086, 8 * kMB, 8 * kMB, 32, ""},
      {"an unanswered escape", 0, 8 * kMB, 0, 0, ""},
      {"a 1 MB local buffer is shown as 2", 0x3D3D, 8 * kMB, kMB, 24, "8 MB\n\n2 MB\n\n24 Bit"},
      {"1 MB and a little is still 2", 0x3D3D, 4 * kMB, kMB + 100, 32, "4 MB\n\n2 MB\n\n32 Bit"},
      {"whole megabytes, truncated", 0x3D3D, 8 * kMB - 1, 3 * kMB + 7, 32, "7 MB\n\n3 MB\n\n32 Bit"},
      {"less than a megabyte", 0x3D3D, kMB - 1, kMB - 1, 0, "0 MB\n\n0 MB\n\n0 Bit"},
      {"the largest numbers stay unsigned", 0x3D3D, UINT32_MAX, UINT32_MAX, UINT32_MAX,
       "4095 MB\n\n4095 MB\n\n4294967295 Bit"},
  };
  for (const MemoryCase& c : cases) {
    EXPECT_EQ(MemoryText(Reply(c), c.memorySize), c.expected) << c.what;
  }
}

}  // namespace
}  // namespace vexel
