// A stored application preset, its name and five options of any type and
// size, matched against each of the four preset tables.
#include "fuzz_support.h"
#include "core/ascii_case.h"
#include "modes/application_presets.h"
#include "store/value_names.h"

using namespace vexel;

namespace {

constexpr char kSettingsKey[] = "System\\CurrentControlSet\\Services\\vexel3d\\Device0";
constexpr const char* kPresetNames[] = {names::kApplicationName, names::kNumberOfDmaSubBuffers,
                                        names::kUseFastClear,    names::kSupportSoftimage,
                                        names::kDisableMipMaps,  names::kSupportSoftimage351};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MemoryRegistry registry;
  fuzz::PutFuzzedValues(input, registry, kSettingsKey, kPresetNames);
  const StoredPreset stored = ReadStoredPreset(SettingsKey(registry, kSettingsKey));
  for (const ApplicationPresetTable& rows : ApplicationPresets) {
    const auto row = MatchStoredPreset(rows, stored);
    if (!row) continue;
    fuzz::Require(*row < rows.size(), "a row beyond the table");
    fuzz::Require(AsciiLowerCased(rows[*row].settings.name) == AsciiLowerCased(*stored.name), "another name matched");
  }
  return 0;
}
