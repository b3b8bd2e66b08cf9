// The driver's 280-byte information reply (escape 2067) and the memory size
// beside it, and everything the panel derives from them.
#include <algorithm>

#include "fuzz_support.h"
#include "modes/application_presets.h"
#include "options/memory_text.h"
#include "store/driver_info.h"
#include "store/driver_store.h"
#include "store/value_names.h"

using namespace vexel;

namespace {

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr const char* kMemoryNames[] = {names::kMemorySize};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  MemoryRegistry registry;
  fuzz::PutFuzzedValues(input, registry, kDeviceKey, kMemoryNames);
  std::vector<int32_t> supported;
  if (input.ConsumeBool()) supported.push_back(kDriverVersionEscape);
  if (input.ConsumeBool()) supported.push_back(kDriverInfoEscape);
  const int result = input.ConsumeIntegral<int>();
  const std::vector<uint8_t> reply = input.ConsumeRemainingBytes<uint8_t>();
  fuzz::FuzzedDisplay display(supported, result, reply);

  DriverInfoReply info;
  bool answered = false;
  uint32_t memorySize = 0;
  QueryDriverInfo(registry, display, kDeviceKey, info, answered, memorySize);
  fuzz::Require(answered == (supported.size() == 2 && result > 0), "an answer counted wrongly");
  if (answered) {
    const size_t kept = std::min(reply.size(), DriverInfoReply::kSize);
    fuzz::Require(std::equal(reply.begin(), reply.begin() + kept, info.bytes.begin()), "reply not kept whole");
  }
  const std::string memory = MemoryText(info, memorySize);
  fuzz::Require(memory.empty() || memory.size() < 64, "memory text out of shape");
  const size_t variant = ApplicationPresetVariant(memorySize, info.LocalBufferWidth());
  fuzz::Require(variant < ApplicationPresets.size(), "no such preset table");
  return 0;
}
