// An application's recommended driver options, as the Settings page holds
// them after a preset was taken over and stores them on apply, and the
// double words under the settings key that hold them.
#pragma once
#include <array>
#include <cstdint>

#include "store/field_values.h"
#include "store/value_names.h"

namespace vexel {

struct AppSettings {
  // The application's name; constant text of the preset table.
  const char* name = "";
  int32_t useFastClear = 0;
  int32_t supportSoftimage = 0;
  int32_t numberOfDmaSubBuffers = 0;
  int32_t disableMipMaps = 0;
  int32_t supportSoftimage351 = 0;
};

// The options in the order the driver's tools read and write them, after the
// application's name; reading, matching and storing a preset all go by it.
inline constexpr std::array<FieldValue<AppSettings>, 5> kAppSettingsValues = {{
    {names::kNumberOfDmaSubBuffers, &AppSettings::numberOfDmaSubBuffers},
    {names::kUseFastClear, &AppSettings::useFastClear},
    {names::kSupportSoftimage, &AppSettings::supportSoftimage},
    {names::kDisableMipMaps, &AppSettings::disableMipMaps},
    {names::kSupportSoftimage351, &AppSettings::supportSoftimage351},
}};

}  // namespace vexel
