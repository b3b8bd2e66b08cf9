// The lines of the mode list ("Current Adapter"): each distinct ModeText of
// the catalogue once, with how many modes show it, in the order the list
// presents them.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "core/display_mode.h"

namespace vexel {

struct ModeLine {
  std::string text;
  // How many catalogue modes show this text: the list holds it that often.
  std::size_t count = 0;

  friend bool operator==(const ModeLine&, const ModeLine&) = default;
};

// A line's sort key: keys compared byte by byte give the list's order.
using LineSortKey = std::function<std::string(const std::string& line)>;

// The distinct lines ordered by their keys, each key made once per line;
// lines whose keys are equal follow each other in byte order.
std::vector<ModeLine> OrderedModeLines(const ModeCatalogue& catalogue, const LineSortKey& sortKey);

}  // namespace vexel
