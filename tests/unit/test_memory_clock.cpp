// The memory-clock PLL values the Advanced page stores and the clock it reads
// back from them.
#include <gtest/gtest.h>

#include <cmath>

#include "options/memory_clock.h"

namespace vexel {
namespace {

struct WorkedClock {
  int32_t wanted;
  MemoryClockPll stored;
  int32_t readBack;
};

TEST(MemoryClock, TheWorkedClocksGiveTheirDividersAndReadBack) {
  const WorkedClock clocks[] = {
      {60, {0xEC, 0x2B, 0xB1}, 60},
      {45, {0xFA, 0x36, 0xB2}, 45},
      {56, {0xFE, 0x3E, 0xB1}, 57},  // about 57.27 MHz: the closest the dividers come
      {20, {0xF7, 0x3A, 0xB2}, 20},
  };
  for (const WorkedClock& clock : clocks) {
    EXPECT_EQ(PllForMemoryClock(clock.wanted), clock.stored) << clock.wanted;
    EXPECT_EQ(MemoryClockFromPll(clock.stored), clock.readBack) << clock.wanted;
  }
}

// The PLL's output, 114.544 MHz x (65 - M) / (65 - N) / 2^P, worked out apart
// from the page's integer arithmetic.
double PllFrequency(const MemoryClockPll& stored) {
  const double n = stored.n & 0x3F;
  const double m = stored.m & 0x3F;
  return 114.544 * (65 - m) / (65 - n) / std::ldexp(1.0, static_cast<int>(stored.p & 3));
}

TEST(MemoryClock, EveryClockTheFieldTakesReadsBackAsItsPllFrequencyRounded) {
  for (int32_t wanted = 20; wanted <= 100; ++wanted) {
    const MemoryClockPll stored = PllForMemoryClock(wanted);
    EXPECT_EQ(stored.n & 0xC0, 0xC0u) << wanted;
    EXPECT_EQ(stored.p & 0xF0, 0xB0u) << wanted;
    EXPECT_EQ(stored.p & 0x0F, wanted > 55 ? 1u : 2u) << wanted;
    EXPECT_GE(stored.n & 0x3F, 40u) << wanted;
    EXPECT_GE(stored.m, 1u) << wanted;
    EXPECT_LE(stored.m, 62u) << wanted;
    const double frequency = PllFrequency(stored);
    EXPECT_LT(std::fabs(frequency - wanted), 1.75) << wanted;
    EXPECT_EQ(MemoryClockFromPll(stored), std::lround(frequency)) << wanted;
  }
}

TEST(MemoryClock, OnlyTheLowBitsOfStoredValuesCount) {
  EXPECT_EQ(MemoryClockFromPll({0x2C, 0xEB, 0xFD}), 60);  // 60's values with other high bits
  // The largest fields the bits allow give no division by zero.
  EXPECT_EQ(MemoryClockFromPll({0xFF, 0xFF, 0xFF}), 14);
}

}  // namespace
}  // namespace vexel
