#pragma once

#include <memory>

#include "platform/display.h"
#include "platform/registry.h"
#include "platform/simulated_board_config.h"
#include "platform/system_restart.h"

namespace vexel {

// Everything through which the program reaches the system and the board.
struct Seams {
  std::shared_ptr<Registry> registry;
  std::shared_ptr<Display> display;
  std::shared_ptr<SystemRestart> restart;
};

// The simulated board when VEXELPANEL_SIMULATE is set and not empty,
// otherwise the real registry, display and restart.
Seams MakeSeams();
Seams MakeProductionSeams();
// The simulated board boots as its seams are made. HKEY_LOCAL_MACHINE is the
// "Machine" key below the configured root; HKEY_CURRENT_USER is the real one,
// since the board stands in for the driver, not for the user.
Seams MakeSimulatedSeams(const SimulatedBoardConfig& config);

}  // namespace vexel
