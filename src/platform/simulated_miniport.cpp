#include "platform/simulated_miniport.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/utf16_text.h"
#include "store/default_settings.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {

namespace {

// Kept in the simulated machine's volatile hardware tree, where a running
// system's state lives until the next start.
constexpr char kRunningModeKey[] = "HARDWARE\\VexelPanel Simulator\\RunningMode";
constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kMachinePrefix[] = "\\REGISTRY\\Machine\\";
constexpr char kImagePath[] = "\\SystemRoot\\System32\\drivers\\vexel3d.sys";
constexpr char kDisplayDriver[] = "vexel3d";
constexpr char kDacName[] = "TI TVP3026";
constexpr char kMiniportVersion[] = "1.1";

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

const char* AdapterName(BoardModel model) {
  return model == BoardModel::VexelHawk ? "VexelHawk" : "VexelKite";
}

// The VexelHawk carries the Delta set-up chip, the VexelKite does not.
const char* ChipName(BoardModel model) {
  return model == BoardModel::VexelHawk ? "GLINT 300SX + GLINT Delta" : "GLINT 300SX";
}

}  // namespace

SimulatedMiniport::SimulatedMiniport(std::shared_ptr<Registry> registry,
                                     const SimulatedBoardConfig& config)
    : registry_(std::move(registry)), config_(config) {}

void SimulatedMiniport::Publish(const DisplayMode& startupMode) {
  if (!config_.publish) return;
  PublishDeviceMap();
  PublishServiceKey();
  PublishDeviceKey(startupMode);
}

void SimulatedMiniport::PublishDeviceMap() {
  RegKey key;
  registry_->CreateKey(Hive::LocalMachine, names::DeviceMapKey, key);
  WriteText(key, names::DeviceVideo0, std::string(kMachinePrefix) + kDeviceKey);
}

void SimulatedMiniport::PublishServiceKey() {
  RegKey key;
  registry_->CreateKey(Hive::LocalMachine, ServiceKeyPath(kDeviceKey), key);
  const std::string_view path = kImagePath;
  WriteBytes(key, names::ImagePath, kRegExpandSz,
             std::span(reinterpret_cast<const std::uint8_t*>(kImagePath), path.size() + 1));
}

void SimulatedMiniport::PublishDeviceKey(const DisplayMode& startupMode) {
  RegKey key;
  registry_->CreateKey(Hive::LocalMachine, kDeviceKey, key);
  WriteBytes(key, names::InstalledDisplayDrivers, kRegMultiSz, MultiString(kDisplayDriver));
  WriteBytes(key, names::AdapterString, kRegBinary, Utf16LeWithNul(AdapterName(config_.model)));
  WriteBytes(key, names::ChipType, kRegBinary, Utf16LeWithNul(ChipName(config_.model)));
  WriteBytes(key, names::DacType, kRegBinary, Utf16LeWithNul(kDacName));
  WriteBytes(key, names::DriverVersion, kRegBinary, Utf16LeWithNul(kMiniportVersion));
  const std::uint32_t memoryBytes = config_.memoryMegabytes << 20;
  WriteDword(key, names::MemorySize, memoryBytes);
  // The local buffer is as large as the frame buffer.
  WriteDword(key, names::LocalbufferLengthBytes, memoryBytes);
  WriteDword(key, names::LocalbufferBitsPerPel, config_.localBufferBits);
  for (const ModeValueName& value : kDefaultSettingsValues) {
    if (!HasValue(key, value.name)) WriteDword(key, value.name, DwordOf(startupMode, value));
  }
}

DisplayMode SimulatedMiniport::StartupMode() const {
  RegKey profileKey;
  RegKey deviceKey;
  registry_->OpenKey(Hive::LocalMachine, ProfileKeyPath(kDeviceKey), profileKey);
  registry_->OpenKey(Hive::LocalMachine, kDeviceKey, deviceKey);
  DisplayMode mode;
  ReadDefaultSettings(profileKey, deviceKey, mode);
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
