#include "info/probe/probe_result.h"

namespace vexel {

bool IsMakersImplementation(std::string_view upperVendor) {
  return upperVendor.find(kMakerWord) != std::string_view::npos;
}

}  // namespace vexel
