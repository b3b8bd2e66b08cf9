#include "info/probe_result.h"

#include <algorithm>

namespace vexel {

std::string UpperCased(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  return upper;
}

bool IsMakersImplementation(std::string_view upperVendor) {
  return upperVendor.find(kMakerWord) != std::string_view::npos;
}

}  // namespace vexel
