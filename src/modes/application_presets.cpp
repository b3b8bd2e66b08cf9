#include "modes/application_presets.h"

#include "core/ascii_case.h"
#include "store/value_names.h"

namespace vexel {
namespace {

// The options of a row that do not depend on the variant; fast clear is off
// on boards with a 24-bit local buffer and as given here on 32-bit ones.
struct RowOptions {
  const char* name;
  int32_t fastClearOn32Bit;
  int32_t dmaSubBuffers;
  int32_t disableMipMaps;
  int32_t softimage351;
};

constexpr std::array<RowOptions, kApplicationPresetRows> kRowOptions{{
    {"3D Studio MAX", 1, 2, 1, 0},
    {"AutoCAD", 1, 5, 0, 0},
    {"AVS", 1, 5, 0, 0},
    {"EDS Unigraphics", 1, 5, 0, 0},
    {"Microsoft Softimage 3D", 1, 5, 1, 1},
    {"MicroStation", 1, 5, 0, 0},
    {"Pro/ENGINEER or Pro/JR.", 1, 5, 0, 0},
    {"SDRC I-DEAS Master Series", 0, 5, 1, 0},
    {"SolidWorks", 1, 5, 0, 0},
    {"", 1, 5, 0, 0},
    {"Other OpenGL Application", 1, 5, 1, 0},
    {"Minimal Configuration", 0, 5, 1, 0},
}};

constexpr DisplayMode kP8x1280{8, 1280, 1024, 0};
constexpr DisplayMode kH15x1024{15, 1024, 768, 0};
constexpr DisplayMode kH15x1280{15, 1280, 1024, 0};
constexpr DisplayMode kT32x1024{32, 1024, 768, 0};
constexpr DisplayMode kP8x1024At60{8, 1024, 768, 60};
constexpr DisplayMode kH15x1024At60{15, 1024, 768, 60};
constexpr DisplayMode kH15x1280At60{15, 1280, 1024, 60};

// Rows by variant: none, 8 MB, 32-bit local buffer, both.
constexpr std::array<std::array<DisplayMode, 4>, kApplicationPresetRows> kRowModes{{
    {kH15x1024, kH15x1280, kH15x1024, kH15x1280},
    {kP8x1280, kH15x1280, kP8x1280, kH15x1280},
    {kH15x1024, kH15x1280, kH15x1280, kH15x1280},
    {kH15x1024, kH15x1280, kH15x1024, kH15x1280},
    {kH15x1024, kT32x1024, kH15x1024, kT32x1024},
    {kH15x1024, kH15x1280, kH15x1024, kH15x1280},
    {kP8x1280, kH15x1280, kP8x1280, kH15x1280},
    {kH15x1024, kH15x1280, kH15x1024, kH15x1280},
    {kH15x1024, kH15x1280, kH15x1024, kH15x1280},
    {kH15x1024, kH15x1024, kH15x1024, kH15x1280},
    {kP8x1024At60, kH15x1280At60, kH15x1024At60, kH15x1280At60},
    {kP8x1024At60, kP8x1024At60, kP8x1024At60, kP8x1024At60},
}};

constexpr ApplicationPresetTable Variant(std::size_t variant) {
  ApplicationPresetTable rows{};
  const bool localBuffer32 = (variant & 2) != 0;
  for (std::size_t row = 0; row < kApplicationPresetRows; ++row) {
    const RowOptions& o = kRowOptions[row];
    rows[row].settings = {o.name,        localBuffer32 ? o.fastClearOn32Bit : 0, 0, o.dmaSubBuffers, o.disableMipMaps,
                          o.softimage351};
    rows[row].mode = kRowModes[row][variant];
  }
  return rows;
}

constexpr uint32_t kEightMegabytes = 0x800000;
constexpr uint32_t kMegabyteMask = 0xFFF00000;

// Each stored option equals the row's option of the same name.
bool OptionsEqual(const StoredPreset& stored, const AppSettings& settings) {
  for (std::size_t i = 0; i < kAppSettingsValues.size(); ++i) {
    const std::optional<uint32_t>& value = stored.options[i];
    if (!value || *value != static_cast<uint32_t>(settings.*kAppSettingsValues[i].field)) return false;
  }
  return true;
}

}  // namespace

const std::array<ApplicationPresetTable, 4> ApplicationPresets{Variant(0), Variant(1), Variant(2), Variant(3)};

std::size_t ApplicationPresetVariant(uint32_t memorySize, uint32_t localBufferWidth) {
  std::size_t variant = 0;
  if ((memorySize & kMegabyteMask) == kEightMegabytes) variant |= 1;
  if (localBufferWidth == 32) variant |= 2;
  return variant;
}

StoredPreset ReadStoredPreset(const SettingsKey& key) {
  StoredPreset stored;
  std::string name;
  if (key.ReadText(names::kApplicationName, name)) stored.name = name;
  for (std::size_t i = 0; i < kAppSettingsValues.size(); ++i) {
    uint32_t value = 0;
    if (key.ReadDword(kAppSettingsValues[i].name, value)) stored.options[i] = value;
  }
  return stored;
}

std::optional<std::size_t> MatchStoredPreset(const ApplicationPresetTable& rows, const StoredPreset& stored) {
  if (!stored.name) return std::nullopt;
  const std::string storedName = AsciiLowerCased(*stored.name);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    const AppSettings& settings = rows[row].settings;
    if (storedName != AsciiLowerCased(settings.name)) continue;
    return OptionsEqual(stored, settings) ? std::optional<std::size_t>(row) : std::nullopt;
  }
  return std::nullopt;
}

void StoreAppSettings(SettingsKey& key, const AppSettings& settings, WriteFailures& failures) {
  key.WriteTextWithoutNul(names::kApplicationName, settings.name, failures);
  WriteFieldValues(key, kAppSettingsValues, settings, failures);
}

}  // namespace vexel
