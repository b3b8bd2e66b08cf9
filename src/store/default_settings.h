// The driver's start-up mode as the registry keeps it: four double words,
// one per field of a DisplayMode.
#pragma once
#include <array>
#include <cstdint>

#include "core/display_mode.h"
#include "platform/reg_key.h"
#include "store/field_values.h"
#include "store/value_names.h"

namespace vexel {

inline constexpr std::array<FieldValue<DisplayMode>, 4> kDefaultSettingsValues = {{
    {names::kDefaultXResolution, &DisplayMode::PelsWidth},
    {names::kDefaultYResolution, &DisplayMode::PelsHeight},
    {names::kDefaultBitsPerPel, &DisplayMode::BitsPerPel},
    {names::kDefaultVRefresh, &DisplayMode::DisplayFrequency},
}};

// Reads each value from `first`, and only where that fails from `second`
// (which may be an empty key); a field that neither holds keeps its value.
void ReadDefaultSettings(const RegKey& first, const RegKey& second, DisplayMode& mode);

}  // namespace vexel
