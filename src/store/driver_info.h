#pragma once

#include <cstdint>

#include "core/driver_info_reply.h"
#include "platform/display.h"

namespace vexel {

// Display driver escape codes.
inline constexpr int32_t kDriverVersionEscape = 2050;
inline constexpr int32_t kDriverInfoEscape = 2067;

// What the driver said to the two escapes. The information escape is only
// sent when both were reported as supported.
struct DriverEscapeOutcome {
  bool versionSupported = false;
  bool infoSupported = false;
  int32_t infoResult = 0;
};

// The driver counts as answering only when it supports both escapes and the
// information escape returned a positive result.
bool DriverAnswered(const DriverEscapeOutcome& outcome);

}  // namespace vexel
