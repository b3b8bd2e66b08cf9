// UTF-16LE text from the driver: any length, odd or even, with or without a
// terminator, decoded to at most a given number of code units.
#include <algorithm>

#include "fuzz_support.h"
#include "info/driver_text.h"

using namespace vexel;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const size_t maxUnits = input.ConsumeBool() ? input.ConsumeIntegralInRange<size_t>(0, 300) : SIZE_MAX;
  const std::vector<uint8_t> bytes = input.ConsumeRemainingBytes<uint8_t>();
  const std::u16string text = Utf16Units(bytes, maxUnits);
  fuzz::Require(text.size() <= std::min(bytes.size() / 2, maxUnits), "more code units than the data holds");
  fuzz::Require(text.find(u'\0') == std::u16string::npos, "a NUL inside the text");
  fuzz::Require(AsciiNarrowText(text).size() == text.size(), "narrow text of another length");
  return 0;
}
