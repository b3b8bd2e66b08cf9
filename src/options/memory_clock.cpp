#include "options/memory_clock.h"

#include <cstdlib>

namespace vexel {
namespace {

// Eight times the 14.318 MHz reference, in kHz.
constexpr uint32_t kReferenceKhz = 114544;

}  // namespace

MemoryClockPll PllForMemoryClock(int32_t clockMhz) {
  const int64_t p = clockMhz > 55 ? 1 : 2;
  const int64_t vco = (int64_t{clockMhz} * 1000) << p;  // wanted VCO frequency, kHz
  uint32_t bestError = UINT32_MAX;
  MemoryClockPll best;
  for (int64_t n = 40; n <= 62; ++n) {
    for (int64_t m = 1; m <= 62; ++m) {
      // (65 - N) x (VCO + 100 kHz) against the reference times (65 - M).
      const auto error = static_cast<uint32_t>(std::llabs(kReferenceKhz * m - n * (vco + 100) + 65 * (vco - 114444)));
      if (error < bestError) {
        bestError = error;
        best = {static_cast<uint32_t>(n) | 0xC0u, static_cast<uint32_t>(m), static_cast<uint32_t>(p) | 0xB0u};
      }
    }
  }
  return best;
}

int32_t MemoryClockFromPll(const MemoryClockPll& stored) {
  const uint32_t n = stored.n & 0x3F;
  const uint32_t m = stored.m & 0x3F;
  const uint32_t p = stored.p & 0x3;
  const uint32_t divisor = (1000 * (65 - n)) << p;
  return static_cast<int32_t>((kReferenceKhz * (65 - m) + divisor / 2) / divisor);
}

}  // namespace vexel
