#pragma once

#include <cstdint>

namespace vexel {

// An application's recommended driver options, as the Settings page holds
// them after a preset was taken over and stores them on apply.
struct AppSettings {
  // The application's name; constant text of the preset table.
  const char* Name = "";
  int32_t UseFastClear = 0;
  int32_t SupportSoftimage = 0;
  int32_t NumberOfDmaSubBuffers = 0;
  int32_t DisableMipMaps = 0;
  int32_t SupportSoftimage351 = 0;
};

}  // namespace vexel
