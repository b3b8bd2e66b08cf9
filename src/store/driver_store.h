#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/display_mode.h"
#include "platform/display.h"
#include "platform/registry.h"
#include "store/driver_info.h"

namespace vexel {

// The driver settings store's operations. Each opens what it needs, reads or
// writes, and closes it again; a missing key or value leaves outputs as they
// were.

// Opens a key below HKEY_LOCAL_MACHINE for reading. An empty path would open
// the machine root itself, so a key whose path is not known is treated as one
// that cannot be opened: the result is then empty and every read fails.
RegKey OpenMachineKey(Registry& registry, std::string_view path);

// The device key named by the device map's "\Device\Video0", or nothing when
// the device map or its value cannot be read.
std::optional<std::string> FindDeviceKey(Registry& registry);

// Asks the driver for its information reply, which counts only when the
// driver supports both of its escapes and the reply's result is positive:
// then `info` takes the reply and `answered` is set. Otherwise both stay as
// they were. Then reads the video memory size from the device key into
// `memorySize`, whatever the driver said. Returns whether the driver answered.
bool QueryDriverInfo(Registry& registry, Display& display, std::string_view deviceKey, DriverInfoReply& info,
                     bool& answered, uint32_t& memorySize);

// A current mode and where it came from.
struct CurrentModeReading {
  DisplayMode mode;
  // The running display's mode rather than the driver's stored start-up mode.
  bool running = false;
};

// The driver's start-up mode when no card name is known and all four values
// are non-zero, each value from the hardware-profile copy of the device key
// first and from the device key where the copy lacks it; otherwise the running
// display's mode (16 bits per pixel read as 15).
CurrentModeReading ReadCurrentMode(Registry& registry, Display& display, std::string_view cardName);

// The two values the panel remembers under its per-maker key.
struct PerMakerValues {
  std::string cardName;
  std::string registryPath;
};

// Creates the key and stores both values as REG_SZ with their NUL. Returns
// kOk, or the registry status of the first step that failed.
long WritePerMakerKey(Registry& registry, std::string_view keyPath, const PerMakerValues& values);

// Replaces each member whose value is stored; the others stay as they were.
void ReadPerMakerKey(Registry& registry, std::string_view keyPath, PerMakerValues& values);

}  // namespace vexel
