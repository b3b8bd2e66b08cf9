#include "modes/mode_catalogue.h"

#include <span>

#include "modes/mode_tables.h"

namespace vexel {
namespace {

// EnumDisplaySettingsA reads 0xFFFFFFFE and 0xFFFFFFFF as "registry" and
// "current" settings rather than mode numbers, so numbering stops before them
// even for a driver that never says "no more".
constexpr uint32_t kEndOfModeNumbers = 0xFFFFFFFEu;

void CopyTable(ModeCatalogue& catalogue, std::span<const DisplayMode> table) {
  for (const DisplayMode& mode : table) {
    if (mode.BitsPerPel == 0) {
      return;
    }
    catalogue.push_back(mode);
  }
}

void CopyDriverModes(ModeCatalogue& catalogue, ModeSource& driverModes) {
  DisplayMode mode;
  for (uint32_t number = 0; number < kEndOfModeNumbers && driverModes.EnumMode(number, mode); ++number) {
    catalogue.push_back(mode);
  }
}

}  // namespace

void FillModeCatalogue(ModeCatalogue& catalogue, std::string_view cardName, ModeSource& driverModes) {
  catalogue.clear();
  if (cardName.find(kVexelHawkName) != std::string_view::npos) {
    CopyTable(catalogue, VexelHawkModes);
  } else if (cardName.find(kVexelKiteName) != std::string_view::npos) {
    CopyTable(catalogue, VexelKiteModes);
  } else {
    CopyDriverModes(catalogue, driverModes);
  }
}

}  // namespace vexel
