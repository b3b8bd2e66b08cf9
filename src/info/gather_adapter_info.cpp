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
  if (ReadOrMissing(ReadText, serviceKey, names::kImagePath, imagePath)) info.miniportFile = MiniportFileOf(imagePath);
}

// Of the multi-string only the first name counts: the text ends at its NUL.
void ReadDisplayDriverFile(const RegKey& deviceKey, AdapterInfo& info) {
  std::string driverName;
  if (ReadOrMissing(ReadText, deviceKey, names::kInstalledDisplayDrivers, driverName)) {
    info.displayDriverFile = DisplayDriverFileOf(driverName);
  }
}

void QueryDisplayDriverVersion(Display& display, NarrowConverter toNarrow, AdapterInfo& info) {
  if (!display.QueryEscapeSupport(kDriverVersionEscape)) return;
  std::array<std::uint8_t, kVersionReplyBytes> reply{};
  if (display.Escape(kDriverVersionEscape, EscapeInput(kDriverVersionEscape), reply) != 0) {
    info.displayDriverVersion = toNarrow(Utf16Units(reply, kVersionReplyUnits));
  }
}

}  // namespace

AdapterInfo GatherAdapterInfo(Registry& registry, Display& display, std::string_view deviceKeyPath,
                              std::string openGLText, NarrowConverter toNarrow) {
  AdapterInfo info;
  info.openGL = std::move(openGLText);
  ReadMiniportFile(registry, ServiceKeyPath(deviceKeyPath), info);
  const RegKey deviceKey = OpenMachineKey(registry, deviceKeyPath);
  ReadDisplayDriverFile(deviceKey, info);
  QueryDisplayDriverVersion(display, toNarrow, info);
  ReadDriverText(deviceKey, names::kAdapterString, toNarrow, info.adapter);
  ReadDriverText(deviceKey, names::kChipType, toNarrow, info.chip);
  ReadDriverText(deviceKey, names::kDacType, toNarrow, info.dac);
  ReadDriverText(deviceKey, names::kDriverVersion, toNarrow, info.miniportVersion);
  ReadDefaultSettings(deviceKey, OpenMachineKey(registry, ProfileKeyPath(deviceKeyPath)), info.defaultMode);
  ReadDword(deviceKey, names::kMemorySize, info.memorySize);
  ReadDword(deviceKey, names::kLocalbufferLengthBytes, info.localBufferSize);
  return info;
}

}  // namespace vexel
