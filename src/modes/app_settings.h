// An application's recommended driver options, as the Settings page holds
// them after a preset was taken over and stores them on apply, and the
// double words under the settings key that hold them.
#pragma once
#include <array>
#include <cstdint>

#include "store/value_names.h"

namespace vexel {

struct AppSettings {
  // The application's name; constant text of the preset table.
  const char* Name = "";
  int32_t UseFastClear = 0;
  int32_t SupportSoftimage = 0;
  int32_t NumberOfDmaSubBuffers = 0;
  int32_t DisableMipMaps = 0;
  int32_t SupportSoftimage351 = 0;
};

// A double word that holds one option of a preset.
struct AppSettingsValue {
  const char* name;
  std::int32_t AppSettings::*field;
};

// The options in the order the driver's tools read and write them, after the
// application's name; reading, matching and storing a preset all go by it.
inline constexpr std::array<AppSettingsValue, 5> kAppSettingsValues = {{
    {names::NumberOfDmaSubBuffers, &AppSettings::NumberOfDmaSubBuffers},
    {names::UseFastClear, &AppSettings::UseFastClear},
    {names::SupportSoftimage, &AppSettings::SupportSoftimage},
    {names::DisableMipMaps, &AppSettings::DisableMipMaps},
    {names::SupportSoftimage351, &AppSettings::SupportSoftimage351},
}};

}  // namespace vexel
