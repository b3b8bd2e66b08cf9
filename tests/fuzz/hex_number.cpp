// The hexadecimal field: any text the user may type or paste, any selection.
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "options/hex_number.h"

using namespace vexel;

namespace {

// The C library's reading with a 32-bit unsigned long, from the 64-bit one.
uint32_t LibraryReading(const std::string& text) {
  const char* at = text.c_str();
  while (std::isspace(static_cast<unsigned char>(*at))) ++at;
  const bool negative = *at == '-';
  errno = 0;
  const unsigned long long read = std::strtoull(at, nullptr, 16);
  if (errno == ERANGE) return UINT32_MAX;
  const unsigned long long magnitude = negative ? 0ull - read : read;
  if (magnitude > UINT32_MAX) return UINT32_MAX;
  return negative ? 0u - static_cast<uint32_t>(magnitude) : static_cast<uint32_t>(magnitude);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int start = input.ConsumeIntegralInRange<int>(0, 40);
  const int end = input.ConsumeIntegralInRange<int>(start, 40);
  const std::string lastValid = HexText(input.ConsumeIntegral<uint32_t>());
  const std::string text = input.ConsumeRemainingBytesAsString();

  const uint32_t value = ParseHexNumber(text);
  fuzz::Require(value == LibraryReading(text), "read unlike the C library");
  fuzz::Require(ParseHexNumber(HexText(value)) == value, "shown text reads as another number");
  fuzz::Require(IsAcceptableHexText(HexText(value)), "the field refuses its own text");

  const HexEditOutcome outcome = ValidateHexEdit(text, lastValid, start, end);
  fuzz::Require(outcome.start >= 0 && outcome.end >= outcome.start, "caret before the text or reversed");
  if (outcome.action == HexEditOutcome::Action::Refuse) fuzz::Require(outcome.text == lastValid, "lost last text");
  if (outcome.action == HexEditOutcome::Action::Accept) {
    fuzz::Require(outcome.value == value && outcome.text == HexText(value), "accepted text not normalised");
  }
  return 0;
}
