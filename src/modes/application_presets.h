// The recommended configurations for well-known OpenGL applications: a
// display mode and five driver options per row, in four variants chosen by
// the board's memory. Plain data and logic, so it builds and is tested natively.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "modes/app_settings.h"
#include "core/display_mode.h"
#include "store/settings_key.h"
#include "store/write_failures.h"

namespace vexel {

// One row: the application's name and options, then the mode it asks for.
// A refresh of 0 keeps the refresh currently selected on the Settings page.
struct ApplicationPreset {
  AppSettings settings;
  DisplayMode mode;
};

inline constexpr std::size_t kApplicationPresetRows = 12;
// The empty line between the named applications and the general choices.
inline constexpr std::size_t kApplicationPresetSeparator = 9;
using ApplicationPresetTable = std::array<ApplicationPreset, kApplicationPresetRows>;

// Indexed by ApplicationPresetVariant.
extern const std::array<ApplicationPresetTable, 4> ApplicationPresets;

// Bit 0: the board has 8 MB of video memory (the size with its low 20 bits
// cleared is 0x800000); bit 1: its local buffer is 32 bits wide.
std::size_t ApplicationPresetVariant(uint32_t memorySize, uint32_t localBufferWidth);

// What the settings key holds of a stored preset; a value that could not be
// read is absent.
struct StoredPreset {
  std::optional<std::string> name;
  // In the order of kAppSettingsValues.
  std::array<std::optional<uint32_t>, kAppSettingsValues.size()> options;
};

StoredPreset ReadStoredPreset(const SettingsKey& key);

// The row the stored values name: the first row whose name equals the stored
// one without regard to letter case, provided all five stored options equal
// that row's. Nothing when the name is absent or the options differ.
std::optional<std::size_t> MatchStoredPreset(const ApplicationPresetTable& rows, const StoredPreset& stored);

// Stores a chosen row's name without a terminating NUL, then its options in
// the order the driver expects (kAppSettingsValues).
void StoreAppSettings(SettingsKey& key, const AppSettings& settings, WriteFailures& failures);

}  // namespace vexel
