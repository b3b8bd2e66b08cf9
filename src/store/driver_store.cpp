#include "store/driver_store.h"

#include "store/default_settings.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

// Drivers report their 15-bit modes as 16 bits per pixel.
int32_t RunningDepth(int32_t bitsPerPixel) { return bitsPerPixel == 16 ? 15 : bitsPerPixel; }

bool AskForDriverInfo(Display& display, DriverInfoReply& reply) {
  DriverEscapeOutcome outcome;
  outcome.versionSupported = display.QueryEscapeSupport(kDriverVersionEscape);
  outcome.infoSupported = outcome.versionSupported && display.QueryEscapeSupport(kDriverInfoEscape);
  if (outcome.infoSupported) {
    outcome.infoResult = display.Escape(kDriverInfoEscape, EscapeInput(kDriverInfoEscape), reply.bytes);
  }
  return DriverAnswered(outcome);
}

// The four start-up values, each from the hardware-profile copy of the device
// key, where an apply stores the mode and the driver looks first, else from the
// device key itself; 0 where neither holds it.
DisplayMode ReadStartupMode(Registry& registry, std::string_view deviceKey) {
  DisplayMode mode;
  ReadDefaultSettings(OpenMachineKey(registry, ProfileKeyPath(deviceKey)), OpenMachineKey(registry, deviceKey), mode);
  return mode;
}

bool IsComplete(const DisplayMode& mode) {
  return mode.BitsPerPel != 0 && mode.PelsWidth != 0 && mode.PelsHeight != 0 && mode.DisplayFrequency != 0;
}

DisplayMode RunningMode(Display& display) {
  const DeviceCaps caps = display.Caps();
  return {RunningDepth(caps.bitsPerPixel), caps.width, caps.height, caps.refresh};
}

}  // namespace

RegKey OpenMachineKey(Registry& registry, std::string_view path) {
  RegKey key;
  if (!path.empty()) {
    registry.OpenKey(Hive::LocalMachine, path, key);
  }
  return key;
}

std::optional<std::string> FindDeviceKey(Registry& registry) {
  const RegKey key = OpenMachineKey(registry, names::kDeviceMapKey);
  std::string deviceMapValue;
  if (!ReadText(key, names::kDeviceVideo0, deviceMapValue)) {
    return std::nullopt;
  }
  return DeviceKeyFromDeviceMap(deviceMapValue);
}

bool QueryDriverInfo(Registry& registry, Display& display, std::string_view deviceKey, DriverInfoReply& info,
                     bool& answered, uint32_t& memorySize) {
  DriverInfoReply reply;
  const bool driverAnswered = AskForDriverInfo(display, reply);
  if (driverAnswered) {
    info = reply;
    answered = true;
  }
  ReadDword(OpenMachineKey(registry, deviceKey), names::kMemorySize, memorySize);
  return driverAnswered;
}

CurrentModeReading ReadCurrentMode(Registry& registry, Display& display, std::string_view cardName) {
  const DisplayMode stored = ReadStartupMode(registry, FindDeviceKey(registry).value_or(""));
  if (cardName.empty() && IsComplete(stored)) {
    return {stored, false};
  }
  return {RunningMode(display), true};
}

long WritePerMakerKey(Registry& registry, std::string_view keyPath, const PerMakerValues& values) {
  RegKey key;
  if (const long status = registry.CreateKey(Hive::LocalMachine, keyPath, key); status != kOk) {
    return status;
  }
  const long cardStatus = WriteText(key, names::kInstalledCard, values.cardName);
  const long pathStatus = WriteText(key, names::kRegistryPath, values.registryPath);
  return cardStatus != kOk ? cardStatus : pathStatus;
}

void ReadPerMakerKey(Registry& registry, std::string_view keyPath, PerMakerValues& values) {
  const RegKey key = OpenMachineKey(registry, keyPath);
  ReadText(key, names::kInstalledCard, values.cardName);
  ReadText(key, names::kRegistryPath, values.registryPath);
}

}  // namespace vexel
