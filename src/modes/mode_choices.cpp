#include "modes/mode_choices.h"

#include <algorithm>
#include <set>
#include <string>

#include "modes/mode_texts.h"

namespace vexel {
namespace {

using ModeField = int32_t DisplayMode::*;
using FieldText = std::string (*)(int32_t);

int32_t LookupField(const ModeCatalogue& catalogue, std::string_view text, int32_t unchanged, ModeField field,
                    FieldText textOf) {
  const auto found =
      std::ranges::find_if(catalogue, [&](const DisplayMode& mode) { return textOf(mode.*field) == text; });
  return found == catalogue.end() ? unchanged : (*found).*field;
}

}  // namespace

std::vector<int32_t> BuildDesktopAreaWidths(const ModeCatalogue& catalogue) {
  // Inserting after the last smaller width keeps the list sorted and free of
  // duplicates, so an ordered set yields the same list without shifting
  // elements on every insertion.
  std::set<int32_t> widths;
  for (const DisplayMode& mode : catalogue) {
    widths.insert(mode.PelsWidth);
  }
  return {widths.begin(), widths.end()};
}

int32_t LookupRefresh(const ModeCatalogue& catalogue, std::string_view text, int32_t unchanged) {
  return LookupField(catalogue, text, unchanged, &DisplayMode::DisplayFrequency, RefreshText);
}

int32_t LookupColor(const ModeCatalogue& catalogue, std::string_view text, int32_t unchanged) {
  return LookupField(catalogue, text, unchanged, &DisplayMode::BitsPerPel, ColorText);
}

}  // namespace vexel
