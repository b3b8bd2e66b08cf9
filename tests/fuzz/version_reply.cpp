// The driver's version reply (escape 2050): 100 bytes of UTF-16LE text that
// may lack its terminator, gathered into the adapter information.
#include <algorithm>

#include "fuzz_support.h"
#include "info/gather_adapter_info.h"
#include "store/driver_info.h"

using namespace vexel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int result = input.ConsumeIntegral<int>();
  const std::vector<uint8_t> reply = input.ConsumeRemainingBytes<uint8_t>();
  fuzz::FuzzedDisplay display({kDriverVersionEscape}, result, reply);
  MemoryRegistry registry;
  const AdapterInfo info = GatherAdapterInfo(registry, display, "", "", AsciiNarrowText);
  fuzz::Require(info.displayDriverVersion.size() <= 50, "version text beyond the reply's 50 code units");
  fuzz::Require(std::ranges::count(ExportText(info), '\n') == 9, "the script is not nine statements");
  return 0;
}
