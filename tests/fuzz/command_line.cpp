// The command line as an installer's script or a person may type it.
#include <string>

#include "app/command_line.h"
#include "core/ascii_case.h"
#include "fuzz_support.h"

using namespace vexel;

namespace {

// A switch's value is cut from the text it was read from.
void RequireTakenFrom(const std::optional<std::string>& value, const std::string& text) {
  fuzz::Require(!value || text.find(*value) != std::string::npos, "a switch value that is not in the command line");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CommandLineText line;
  line.asTyped.assign(reinterpret_cast<const char*>(data), size);
  line.upper = AsciiUpperCased(line.asTyped);
  const CommandLineSwitches switches = ParseCommandLine(line);
  RequireTakenFrom(switches.cardName, line.upper);
  RequireTakenFrom(switches.exportFile, line.upper);
  RequireTakenFrom(switches.registryPath, line.asTyped);
  return 0;
}
