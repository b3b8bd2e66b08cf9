#include "info/gather_adapter_info.h"

#include <array>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "store/default_settings.h"
#include "store/driver_info.h"
#include "store/driver_store.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

// The version escape's reply: a zero-filled buffer of 100 bytes, of which
// at most 50 UTF-16 code units are text.
constexpr std::size_t kVersionReplyBytes = 100;
constexpr std::size_t kVersionReplyUnits = 50;

// A value whose buffer cannot be had counts as missing.
template <class Value>
bool ReadOrMissing(bool (*read)(const RegKey&, std::string_view, Value&), const RegKey& key, std::string_view name,
                   Value& value) {
  try {
    return read(key, name, value);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

// A REG_BINARY value holding UTF-16LE text, replacing `text` when it can be read.
void ReadDriverText(const RegKey& key, std::string_view name, NarrowConverter toNarrow, std::string& text) {
  std::vector<std::uint8_t> bytes;
  if (ReadOrMissing(ReadBytes, key, name, bytes)) text = toNarrow(Utf16Units(bytes));
}

void ReadMiniportFile(Registry& registry, std::string_view serviceKeyPath, AdapterInfo& info) {
  const RegKey serviceKey = OpenMachineKey(registry, serviceKeyPath);
  std::string imagePath;
  if (ReadOrMissing(ReadText, serviceKey, names::ImagePath, imagePath)) info.MiniportFile = MiniportFileOf(imagePath);
}

// Of the multi-string only the first name counts: the text ends at its NUL.
void ReadDisplayDriverFile(const RegKey& deviceKey, AdapterInfo& info) {
  std::string driverName;
  if (ReadOrMissing(ReadText, deviceKey, names::InstalledDisplayDrivers, driverName)) {
    info.DisplayDriverFile = DisplayDriverFileOf(driverName);
  }
}

void QueryDisplayDriverVersion(Display& display, NarrowConverter toNarrow, AdapterInfo& info) {
  if (!display.QueryEscapeSupport(DriverVersionEscape)) return;
  std::array<std::uint8_t, kVersionReplyBytes> reply{};
  if (display.Escape(DriverVersionEscape, EscapeInput(DriverVersionEscape), reply) != 0) {
    info.DisplayDriverVersion = toNarrow(Utf16Units(reply, kVersionReplyUnits));
  }
}

}  // namespace

AdapterInfo GatherAdapterInfo(Registry& registry, Display& display, std::string_view deviceKeyPath,
                              std::string openGLText, NarrowConverter toNarrow) {
  AdapterInfo info;
  info.OpenGL = std::move(openGLText);
  ReadMiniportFile(registry, ServiceKeyPath(deviceKeyPath), info);
  const RegKey deviceKey = OpenMachineKey(registry, deviceKeyPath);
  ReadDisplayDriverFile(deviceKey, info);
  QueryDisplayDriverVersion(display, toNarrow, info);
  ReadDriverText(deviceKey, names::AdapterString, toNarrow, info.Adapter);
  ReadDriverText(deviceKey, names::ChipType, toNarrow, info.Chip);
  ReadDriverText(deviceKey, names::DacType, toNarrow, info.Dac);
  ReadDriverText(deviceKey, names::DriverVersion, toNarrow, info.MiniportVersion);
  ReadDefaultSettings(deviceKey, OpenMachineKey(registry, ProfileKeyPath(deviceKeyPath)), info.DefaultMode);
  ReadDword(deviceKey, names::MemorySize, info.MemorySize);
  ReadDword(deviceKey, names::LocalbufferLengthBytes, info.LocalBufferSize);
  return info;
}

}  // namespace vexel
