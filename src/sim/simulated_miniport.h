#pragma once

#include <memory>
#include <optional>

#include "core/display_mode.h"
#include "platform/registry.h"
#include "sim/simulated_board_config.h"

namespace vexel {

// The simulated board's miniport: the registry values a real miniport
// publishes under HKEY_LOCAL_MACHINE (here the registry seam's machine
// hive), the driver's start-up mode, and the running mode, which the
// simulation keeps in the registry so that it outlasts one run of the panel.
class SimulatedMiniport {
 public:
  SimulatedMiniport(std::shared_ptr<Registry> registry, const SimulatedBoardConfig& config);

  // Writes the device map, the service key's "ImagePath" and the device
  // key's driver and hardware information, as at every start of the driver,
  // and `startupMode` as the "DefaultSettings" values that are missing;
  // nothing for a board configured not to publish.
  void Publish(const DisplayMode& startupMode);
  // The stored start-up mode: each value from the hardware-profile key
  // first, else from the device key; 0 where neither has it.
  DisplayMode StartupMode() const;

  std::optional<DisplayMode> RunningMode() const;
  bool StoreRunningMode(const DisplayMode& mode);

 private:
  void PublishDeviceMap();
  void PublishServiceKey();
  void PublishDeviceKey(const DisplayMode& startupMode);

  std::shared_ptr<Registry> registry_;
  SimulatedBoardConfig config_;
};

}  // namespace vexel
