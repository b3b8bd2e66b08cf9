// The memory clock and the three divider values of the DAC's memory-clock PLL
// that the driver programs: the search for the values of a clock and the
// clock that stored values give. Portable, so the arithmetic is tested natively.
#pragma once
#include <cstdint>

namespace vexel {

// The memory clock the driver runs at when no PLL values are stored, in MHz.
inline constexpr int32_t kDefaultMemoryClock = 50;

// The three values as they are stored: N with bits 7 and 6 set, M, and P
// with 0xB0 added.
struct MemoryClockPll {
  uint32_t n = 0;
  uint32_t m = 0;
  uint32_t p = 0;
  friend bool operator==(const MemoryClockPll&, const MemoryClockPll&) = default;
};

// The first N (40 to 62) and M (1 to 62) whose weighted error against the
// wanted clock, aimed 100 kHz high, is the smallest; P is 1 above 55 MHz and
// 2 otherwise. For clocks of 20 to 100 MHz, as the page allows.
MemoryClockPll PllForMemoryClock(int32_t clockMhz);

// The clock the stored values give, rounded to whole MHz; only their low
// bits count (6 of N and M, 2 of P).
int32_t MemoryClockFromPll(const MemoryClockPll& stored);

}  // namespace vexel
