#include "sim/simulated_miniport.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "sim/utf16_text.h"

namespace vexel {

namespace {

// The keys the miniport writes to or reads from, below the machine root,
// spelt as the miniport and the system spell them.
constexpr char kDeviceMapKey[] = "HARDWARE\\DEVICEMAP\\VIDEO";
constexpr char kServiceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D";
constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
// The current hardware profile's copy of the device key, whose values
// override the device key's at start-up.
constexpr char kProfileDeviceKey[] =
    "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet\\Services\\"
    "Vexel3D\\Device0";
// Kept in the simulated machine's volatile hardware tree, where a running
// system's state lives until the next start.
constexpr char kRunningModeKey[] = "HARDWARE\\VexelPanel Simulator\\RunningMode";

// The device map's value names the device key by its kernel object path.
constexpr char kVideo0[] = "\\Device\\Video0";
constexpr char kMachineObjectPath[] = "\\REGISTRY\\Machine\\";

constexpr char kImagePathName[] = "ImagePath";
constexpr char kImagePath[] = "\\SystemRoot\\System32\\drivers\\vexel3d.sys";
constexpr char kInstalledDriversName[] = "InstalledDisplayDrivers";
constexpr char kDisplayDriver[] = "vexel3d";

constexpr char kAdapterStringName[] = "HardwareInformation.AdapterString";
constexpr char kChipTypeName[] = "HardwareInformation.ChipType";
constexpr char kDacTypeName[] = "HardwareInformation.DacType";
constexpr char kDriverVersionName[] = "HardwareInformation.DriverVersion";
constexpr char kMemorySizeName[] = "HardwareInformation.MemorySize";
constexpr char kLocalBufferLengthName[] = "HardwareInformation.LocalbufferLengthBytes";
constexpr char kLocalBufferBitsName[] = "HardwareInformation.LocalbufferBitsPerPel";
constexpr char kDacName[] = "TI TVP3026";
constexpr char kMiniportVersion[] = "1.1";

// A double word that holds one field of a display mode.
struct ModeValueName {
  const char* name;
  std::int32_t DisplayMode::*field;
};

constexpr std::array<ModeValueName, 4> kDefaultSettingsValues = {{
    {"DefaultSettings.XResolution", &DisplayMode::PelsWidth},
    {"DefaultSettings.YResolution", &DisplayMode::PelsHeight},
    {"DefaultSettings.BitsPerPel", &DisplayMode::BitsPerPel},
    {"DefaultSettings.VRefresh", &DisplayMode::DisplayFrequency},
}};

constexpr std::array<ModeValueName, 4> kRunningValues = {{
    {"XResolution", &DisplayMode::PelsWidth},
    {"YResolution", &DisplayMode::PelsHeight},
    {"BitsPerPel", &DisplayMode::BitsPerPel},
    {"VRefresh", &DisplayMode::DisplayFrequency},
}};

// A multi-string of one string: the string, its NUL and the closing NUL.
std::vector<std::uint8_t> MultiString(std::string_view text) {
  std::vector<std::uint8_t> bytes(text.begin(), text.end());
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

bool HasValue(const RegKey& key, const char* name) {
  std::uint32_t size = 0;
  return key.QueryValue(name, nullptr, nullptr, &size) == kOk;
}

bool ReadModeValue(const RegKey& key, const ModeValueName& value, DisplayMode& mode) {
  std::uint32_t number = 0;
  if (!ReadDword(key, value.name, number)) return false;
  mode.*value.field = static_cast<std::int32_t>(number);
  return true;
}

std::uint32_t DwordOf(const DisplayMode& mode, const ModeValueName& value) {
  return static_cast<std::uint32_t>(mode.*value.field);
}

const char* AdapterName(BoardModel model) { return model == BoardModel::VexelHawk ? "VexelHawk" : "VexelKite"; }

// The VexelHawk carries the Delta set-up chip, the VexelKite does not.
const char* ChipName(BoardModel model) {
  return model == BoardModel::VexelHawk ? "GLINT 300SX + GLINT Delta" : "GLINT 300SX";
}

}  // namespace

SimulatedMiniport::SimulatedMiniport(std::shared_ptr<Registry> registry, const SimulatedBoardConfig& config)
    : registry_(std::move(registry)), config_(config) {}

void SimulatedMiniport::Publish(const DisplayMode& startupMode) {
  if (!config_.publish) return;
  PublishDeviceMap();
  PublishServiceKey();
  PublishDeviceKey(startupMode);
}

void SimulatedMiniport::PublishDeviceMap() {
  RegKey key;
  registry_->CreateKey(Hive::LocalMachine, kDeviceMapKey, key);
  WriteText(key, kVideo0, std::string(kMachineObjectPath) + kDeviceKey);
}

void SimulatedMiniport::PublishServiceKey() {
  RegKey key;
  registry_->CreateKey(Hive::LocalMachine, kServiceKey, key);
  const std::string_view path = kImagePath;
  WriteBytes(key, kImagePathName, kRegExpandSz,
             std::span(reinterpret_cast<const std::uint8_t*>(kImagePath), path.size() + 1));
}

void SimulatedMiniport::PublishDeviceKey(const DisplayMode& startupMode) {
  RegKey key;
  registry_->CreateKey(Hive::LocalMachine, kDeviceKey, key);
  WriteBytes(key, kInstalledDriversName, kRegMultiSz, MultiString(kDisplayDriver));
  WriteBytes(key, kAdapterStringName, kRegBinary, Utf16LeWithNul(AdapterName(config_.model)));
  WriteBytes(key, kChipTypeName, kRegBinary, Utf16LeWithNul(ChipName(config_.model)));
  WriteBytes(key, kDacTypeName, kRegBinary, Utf16LeWithNul(kDacName));
  WriteBytes(key, kDriverVersionName, kRegBinary, Utf16LeWithNul(kMiniportVersion));
  const std::uint32_t memoryBytes = config_.memoryMegabytes << 20;
  WriteDword(key, kMemorySizeName, memoryBytes);
  // The local buffer is as large as the frame buffer.
  WriteDword(key, kLocalBufferLengthName, memoryBytes);
  WriteDword(key, kLocalBufferBitsName, config_.localBufferBits);
  for (const ModeValueName& value : kDefaultSettingsValues) {
    if (!HasValue(key, value.name)) WriteDword(key, value.name, DwordOf(startupMode, value));
  }
}

DisplayMode SimulatedMiniport::StartupMode() const {
  RegKey profileKey;
  RegKey deviceKey;
  registry_->OpenKey(Hive::LocalMachine, kProfileDeviceKey, profileKey);
  registry_->OpenKey(Hive::LocalMachine, kDeviceKey, deviceKey);
  DisplayMode mode;
  for (const ModeValueName& value : kDefaultSettingsValues) {
    if (!ReadModeValue(profileKey, value, mode)) ReadModeValue(deviceKey, value, mode);
  }
  return mode;
}

std::optional<DisplayMode> SimulatedMiniport::RunningMode() const {
  RegKey key;
  registry_->OpenKey(Hive::LocalMachine, kRunningModeKey, key);
  DisplayMode mode;
  for (const ModeValueName& value : kRunningValues) {
    if (!ReadModeValue(key, value, mode)) return std::nullopt;
  }
  return mode;
}

bool SimulatedMiniport::StoreRunningMode(const DisplayMode& mode) {
  RegKey key;
  if (registry_->CreateKey(Hive::LocalMachine, kRunningModeKey, key) != kOk) return false;
  bool stored = true;
  for (const ModeValueName& value : kRunningValues) {
    stored = WriteDword(key, value.name, DwordOf(mode, value)) == kOk && stored;
  }
  return stored;
}

}  // namespace vexel
