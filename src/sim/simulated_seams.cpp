#include "sim/simulated_seams.h"

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32_registry.h"
#include "sim/simulated_board.h"
#include "sim/simulated_display.h"
#include "sim/simulated_restart.h"

namespace vexel {

namespace {

// Read from the process environment rather than the C runtime's copy, so a
// value set with SetEnvironmentVariableA is seen too.
std::optional<std::string> SimulationVariable() {
  const DWORD size = ::GetEnvironmentVariableA(kSimulateVariable, nullptr, 0);
  if (size <= 1) return std::nullopt;
  std::string value(size, '\0');
  value.resize(::GetEnvironmentVariableA(kSimulateVariable, value.data(), size));
  return value;
}

}  // namespace

Seams MakeSeams() {
  const std::optional<std::string> simulation = SimulationVariable();
  return simulation ? MakeSimulatedSeams(ParseSimulation(*simulation)) : MakeProductionSeams();
}

Seams MakeSimulatedSeams(const SimulatedBoardConfig& config) {
  auto registry = std::make_shared<Win32Registry>(config.registryRoot + "\\Machine", "");
  auto board = std::make_shared<SimulatedBoard>(registry, config);
  board->Boot();
  return {registry, std::make_shared<SimulatedDisplay>(board), std::make_shared<SimulatedRestart>(board)};
}

}  // namespace vexel
