// The memory-clock PLL values under the settings key, of any type and size
// and with any bits set, read back into a clock as the Advanced page does.
// The page's reading is Win32 code; this repeats its three reads.
#include "fuzz_support.h"
#include "options/memory_clock.h"
#include "store/settings_key.h"
#include "store/value_names.h"

using namespace vexel;

namespace {

constexpr char kSettingsKey[] = "System\\CurrentControlSet\\Services\\vexel3d\\Device0";
constexpr const char* kPllNames[] = {names::kMClkN, names::kMClkM, names::kMClkP};
// The fastest clock six bits of N and M and two of P can give: 114.544 MHz x 65 / 2.
constexpr int32_t kFastestClock = 3723;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MemoryRegistry registry;
  fuzz::PutFuzzedValues(input, registry, kSettingsKey, kPllNames);
  const SettingsKey key(registry, kSettingsKey);
  MemoryClockPll stored;
  if (!key.ReadDword(names::kMClkN, stored.n) || !key.ReadDword(names::kMClkM, stored.m) ||
      !key.ReadDword(names::kMClkP, stored.p)) {
    return 0;
  }
  const int32_t clock = MemoryClockFromPll(stored);
  fuzz::Require(clock >= 0 && clock <= kFastestClock, "a clock the dividers cannot give");
  return 0;
}
