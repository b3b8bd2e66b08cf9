#include "store/driver_info.h"

namespace vexel {

bool DriverAnswered(const DriverEscapeOutcome& outcome) {
  return outcome.versionSupported && outcome.infoSupported && outcome.infoResult > 0;
}

}  // namespace vexel
