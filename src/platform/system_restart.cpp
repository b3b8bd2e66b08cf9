#include "platform/system_restart.h"

namespace vexel {

std::string RestartFailureText(const RestartFailure& failure) {
  return failure.callName + " Error #" + std::to_string(static_cast<std::int32_t>(failure.lastError));
}

}  // namespace vexel
