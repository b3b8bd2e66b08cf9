#include "store/driver_info.h"

namespace vexel {

bool DriverAnswered(const DriverEscapeOutcome& outcome) {
  return outcome.VersionSupported && outcome.InfoSupported && outcome.InfoResult > 0;
}

}  // namespace vexel
