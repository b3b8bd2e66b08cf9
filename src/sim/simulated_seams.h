#pragma once

#include "platform/seams.h"
#include "sim/simulated_board_config.h"

namespace vexel {

// The simulated board when VEXELPANEL_SIMULATE is set and not empty,
// otherwise the production seams.
Seams MakeSeams();
// The simulated board boots as its seams are made. HKEY_LOCAL_MACHINE is the
// "Machine" key below the configured root; HKEY_CURRENT_USER is the real one,
// since the board stands in for the driver, not for the user.
Seams MakeSimulatedSeams(const SimulatedBoardConfig& config);

}  // namespace vexel
