// Every registry value the panel reads, of any type, size and content: the
// device map, the miniport's and display driver's values, the start-up mode,
// the per-maker key and the settings key's options, read through the store.
#include <algorithm>

#include "fuzz_support.h"
#include "info/gather_adapter_info.h"
#include "modes/mode_texts.h"
#include "store/driver_store.h"
#include "store/key_paths.h"
#include "store/settings_key.h"
#include "store/value_names.h"

using namespace vexel;

namespace {

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kPerMakerKey[] = "SOFTWARE\\Vexelworks\\VEXELPANEL\\3.3";

constexpr const char* kDeviceMapNames[] = {names::kDeviceVideo0};
constexpr const char* kServiceNames[] = {names::kImagePath};
constexpr const char* kPerMakerNames[] = {names::kInstalledCard, names::kRegistryPath};
// The device key doubles as the settings key, so that its options are read too.
constexpr const char* kDeviceNames[] = {
    names::kAdapterString,
    names::kChipType,
    names::kDacType,
    names::kDriverVersion,
    names::kMemorySize,
    names::kLocalbufferLengthBytes,
    names::kInstalledDisplayDrivers,
    names::kDefaultXResolution,
    names::kDefaultYResolution,
    names::kDefaultBitsPerPel,
    names::kDefaultVRefresh,
    names::kApplicationName,
    names::kMClkN,
    names::kMClkM,
    names::kMClkP,
};

void ReadSettings(Registry& registry) {
  const SettingsKey key(registry, kDeviceKey);
  for (const char* name : kDeviceNames) {
    uint32_t number = 0x5A5A5A5A;
    int32_t signedNumber = 0;
    std::string text;
    key.ReadDword(name, number);
    key.ReadDword(name, signedNumber);
    if (key.ReadText(name, text)) fuzz::Require(text.find('\0') == std::string::npos, "a NUL inside a text");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MemoryRegistry registry;
  fuzz::PutFuzzedValues(input, registry, names::kDeviceMapKey, kDeviceMapNames);
  fuzz::PutFuzzedValues(input, registry, ServiceKeyPath(kDeviceKey), kServiceNames);
  fuzz::PutFuzzedValues(input, registry, kDeviceKey, kDeviceNames);
  fuzz::PutFuzzedValues(input, registry, ProfileKeyPath(kDeviceKey), kDeviceNames);
  fuzz::PutFuzzedValues(input, registry, kPerMakerKey, kPerMakerNames);
  fuzz::FuzzedDisplay display({}, 0, {});

  const std::string deviceKey = FindDeviceKey(registry).value_or("");
  const std::string mode = ModeText(ReadCurrentMode(registry, display, "").mode);
  fuzz::Require(mode.find('\n') == std::string::npos, "a mode text of more than one line");
  for (const std::string& key : {deviceKey, std::string(kDeviceKey)}) {
    const AdapterInfo info = GatherAdapterInfo(registry, display, key, "", AsciiNarrowText);
    fuzz::Require(std::ranges::count(InformationText(info), '\n') == 9, "the About text is not ten lines");
    fuzz::Require(std::ranges::count(ExportText(info), '\n') == 9, "the script is not nine statements");
  }
  PerMakerValues remembered;
  ReadPerMakerKey(registry, kPerMakerKey, remembered);
  ReadSettings(registry);
  return 0;
}
