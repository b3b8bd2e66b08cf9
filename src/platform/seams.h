#pragma once

#include <memory>

#include "platform/display.h"
#include "platform/registry.h"
#include "platform/system_restart.h"

namespace vexel {

// Everything through which the program reaches the system and the board.
struct Seams {
  std::shared_ptr<Registry> registry;
  std::shared_ptr<Display> display;
  std::shared_ptr<SystemRestart> restart;
};

// The real registry, display and restart.
Seams MakeProductionSeams();

}  // namespace vexel
