#include "sim/utf16_text.h"

namespace vexel {

std::vector<std::uint8_t> Utf16LeWithNul(std::string_view ascii) {
  std::vector<std::uint8_t> bytes;
  for (const char c : ascii) {
    bytes.push_back(static_cast<std::uint8_t>(c));
    bytes.push_back(0);
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

}  // namespace vexel
