#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vexel {

// One step of the restart sequence that failed: the name it is reported by
// and the system's last error.
struct RestartFailure {
  std::string callName;
  std::uint32_t lastError = 0;
};

// "<call name> Error #<last error>", as the user is shown it.
std::string RestartFailureText(const RestartFailure& failure);

// Restarts the system: takes the shutdown privilege and asks for a reboot.
// A failed step is reported and the sequence goes on with the next one.
class SystemRestart {
 public:
  using FailureReport = std::function<void(const RestartFailure&)>;

  virtual ~SystemRestart() = default;
  virtual void Restart(const FailureReport& report) = 0;
};

}  // namespace vexel
