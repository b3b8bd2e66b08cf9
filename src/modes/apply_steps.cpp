#include "modes/apply_steps.h"

#include "modes/application_presets.h"
#include "store/default_settings.h"
#include "store/key_paths.h"
#include "store/settings_key.h"
#include "store/value_names.h"

namespace vexel {
namespace {

// Systems before this major version must restart for a mode change.
constexpr std::uint32_t kLiveSwitchMajorVersion = 4;

bool ListsAndAccepts(Display& display, const DisplayMode& mode) {
  DisplayMode listed;
  for (std::uint32_t number = 0; display.EnumMode(number, listed); ++number) {
    // All four fields must be equal, the refresh included. Compared before
    // the test, which asks the driver and may be slow.
    if (listed == mode && display.ChangeMode(listed, true) == kDispChangeSuccessful) return true;
  }
  return false;
}

}  // namespace

bool DefaultModeNeedsStoring(const DisplayMode& stored, const DisplayMode& chosen, std::string_view cardName) {
  return !cardName.empty() || stored != chosen;
}

bool StoreDefaultMode(Registry& registry, std::string_view settingsKeyPath, const DisplayMode& mode,
                      WriteFailures& failures) {
  // A missing profile copy is the normal way to the settings key, not a failure.
  SettingsKey key(registry, ProfileKeyPath(settingsKeyPath));
  if (!key.IsOpen()) key = SettingsKey(registry, settingsKeyPath);
  if (!key.IsOpen()) {
    failures.KeyNotOpened(settingsKeyPath, key.OpenStatus());
    return false;
  }
  WriteFieldValues(key, kDefaultSettingsValues, mode, failures);
  return true;
}

bool StorePendingPreset(Registry& registry, std::string_view settingsKeyPath, const AppSettings& settings,
                        WriteFailures& failures) {
  SettingsKey key(registry, settingsKeyPath);
  if (!key.IsOpen()) {
    failures.KeyNotOpened(settingsKeyPath, key.OpenStatus());
    return false;
  }
  StoreAppSettings(key, settings, failures);
  return true;
}

bool SwitchDisplayMode(Display& display, const DisplayMode& mode) {
  const VersionInfo version = display.Version();
  if (!ListsAndAccepts(display, mode)) return false;
  display.BroadcastDisplayChange(0, mode.PelsWidth, mode.PelsHeight);
  if (display.ChangeMode(mode, false) != kDispChangeSuccessful) return false;
  if (version.majorVersion < kLiveSwitchMajorVersion) return false;
  display.BroadcastDisplayChange(static_cast<std::uint32_t>(mode.BitsPerPel), mode.PelsWidth, mode.PelsHeight);
  return true;
}

}  // namespace vexel
