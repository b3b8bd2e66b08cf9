#include "modes/mode_lines.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "modes/mode_texts.h"

namespace vexel {
namespace {

// One distinct mode of the catalogue: its line, the line's key and how
// often the catalogue lists the mode.
struct KeyedLine {
  std::string key;
  ModeLine line;
};

// A driver's long list repeats its modes, so each mode is counted once
// before any text is made: the modes are sorted and equal neighbours merged.
std::vector<std::pair<DisplayMode, std::size_t>> CountedModes(const ModeCatalogue& catalogue) {
  ModeCatalogue modes = catalogue;
  const auto fields = [](const DisplayMode& m) {
    return std::tie(m.BitsPerPel, m.PelsWidth, m.PelsHeight, m.DisplayFrequency);
  };
  std::sort(modes.begin(), modes.end(),
            [&](const DisplayMode& a, const DisplayMode& b) { return fields(a) < fields(b); });
  std::vector<std::pair<DisplayMode, std::size_t>> counted;
  for (const DisplayMode& mode : modes) {
    if (counted.empty() || !(counted.back().first == mode)) counted.emplace_back(mode, 0);
    ++counted.back().second;
  }
  return counted;
}

}  // namespace

// Different modes can show the same text (a refresh of 0 or 1): ordered by
// key and then by text, their lines meet and are merged there.
std::vector<ModeLine> OrderedModeLines(const ModeCatalogue& catalogue, const LineSortKey& sortKey) {
  const auto counted = CountedModes(catalogue);
  std::vector<KeyedLine> keyed;
  keyed.reserve(counted.size());
  for (const auto& [mode, count] : counted) {
    std::string text = ModeText(mode);
    std::string key = sortKey(text);
    keyed.push_back({std::move(key), {std::move(text), count}});
  }
  std::sort(keyed.begin(), keyed.end(), [](const KeyedLine& a, const KeyedLine& b) {
    if (const int byKey = a.key.compare(b.key); byKey != 0) return byKey < 0;
    return a.line.text < b.line.text;
  });
  std::vector<ModeLine> lines;
  lines.reserve(keyed.size());
  for (KeyedLine& entry : keyed) {
    if (!lines.empty() && lines.back().text == entry.line.text) {
      lines.back().count += entry.line.count;
    } else {
      lines.push_back(std::move(entry.line));
    }
  }
  return lines;
}

}  // namespace vexel
