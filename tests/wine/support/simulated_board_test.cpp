#include "support/simulated_board_test.h"

#include <windows.h>

#include "sim/simulated_seams.h"

namespace vexel::test {

Seams SimulatedBoardTest::Board(std::string_view words) const {
  SimulatedBoardConfig config = ParseSimulation(words);
  config.registryRoot = root.Path();
  return MakeSimulatedSeams(config);
}

CommandLineText PanelCommandLine(const std::string& arguments) {
  CommandLineText text;
  text.asTyped = "C:\\VexelPanel\\vexelpanel.exe " + arguments;
  text.upper = text.asTyped;
  ::CharUpperBuffA(text.upper.data(), static_cast<DWORD>(text.upper.size()));
  return text;
}

}  // namespace vexel::test
