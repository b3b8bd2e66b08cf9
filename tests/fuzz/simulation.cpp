// The value of the variable that switches the simulated board on.
#include <string_view>

#include "fuzz_support.h"
#include "sim/simulated_board_config.h"

using namespace vexel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const SimulatedBoardConfig config = ParseSimulation(std::string_view(reinterpret_cast<const char*>(data), size));
  fuzz::Require(config.memoryMegabytes >= 1 && config.memoryMegabytes <= 4095, "memory size out of range");
  fuzz::Require(config.localBufferBits >= 1 && config.localBufferBits <= 32, "local buffer depth out of range");
  fuzz::Require(!config.registryRoot.empty() && config.registryRoot.front() != '\\', "a root the registry refuses");
  return 0;
}
