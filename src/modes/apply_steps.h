// The deciding and storing steps of the Settings page's apply, apart from its
// windows: whether the start-up mode is stored, storing it and a taken-over
// application preset, and switching the running display.
#pragma once
#include <string_view>

#include "modes/app_settings.h"
#include "core/display_mode.h"
#include "platform/display.h"
#include "platform/registry.h"
#include "store/write_failures.h"

namespace vexel {

// While a card name is set the stored mode was not read from the driver's
// values, so the chosen mode is stored on every apply.
bool DefaultModeNeedsStoring(const DisplayMode& stored, const DisplayMode& chosen, std::string_view cardName);

// Writes the four "DefaultSettings" values to the hardware-profile copy of
// the settings key, or to the settings key itself where that copy does not
// open. When neither opens nothing is written, the settings key is reported
// and the result is false.
bool StoreDefaultMode(Registry& registry, std::string_view settingsKeyPath, const DisplayMode& mode,
                      WriteFailures& failures);

// Writes the preset's name without its NUL and its five values to the
// settings key, never to the profile copy. When the key does not open
// nothing is written, it is reported and the result is false.
bool StorePendingPreset(Registry& registry, std::string_view settingsKeyPath, const AppSettings& settings,
                        WriteFailures& failures);

// Switches the running display to the first listed mode equal to `mode` in
// all four fields that the driver accepts in a test, announcing the change
// before and after the switch. True when the display switched on a system
// (major version 4 or later) that needs no restart for it.
bool SwitchDisplayMode(Display& display, const DisplayMode& mode);

}  // namespace vexel
