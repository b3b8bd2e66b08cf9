#pragma once

#include <cstdint>

#include "core/display_mode.h"

namespace vexel {

// The driver's list of display modes, numbered from 0. The Win32 display seam
// answers it with EnumDisplaySettingsA; tests answer it from a plain list.
class ModeSource {
 public:
  virtual ~ModeSource() = default;

  // Fills `out` with mode `number` and returns true, or returns false when
  // the driver has no such mode.
  virtual bool EnumMode(uint32_t number, DisplayMode& out) = 0;
};

}  // namespace vexel
