#include "modes/settings_rules.h"

#include <algorithm>

#include "core/driver_info_reply.h"
#include "modes/mode_tables.h"
#include "modes/mode_texts.h"

namespace vexel {

std::optional<int> DesktopAreaScrollPosition(int code, int position, int count, int carried) {
  if (count <= 0) return std::nullopt;
  const int last = count - 1;
  int moved = position;
  switch (static_cast<ScrollCode>(code)) {
    case ScrollCode::LineLeft:
    case ScrollCode::PageLeft:
      moved = position - 1;
      break;
    case ScrollCode::LineRight:
    case ScrollCode::PageRight:
      moved = position + 1;
      break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
      moved = carried;
      break;
    case ScrollCode::Left:
      moved = 0;
      break;
    case ScrollCode::Right:
      moved = last;
      break;
    default:
      break;
  }
  return std::clamp(moved, 0, last);
}

std::optional<std::string> AdapterTypePrefix(const std::string& cardName, bool driverAnswered, uint32_t boardModel) {
  if (!cardName.empty()) return cardName;
  if (!driverAnswered) return std::nullopt;
  return std::string(boardModel != 0 ? kVexelHawkName : kVexelKiteName);
}

bool ApplicationListAvailable(const std::string& cardName, uint32_t vendorId) {
  return cardName.empty() && vendorId == kSupportedVendorId;
}

std::optional<DisplayMode> FindModeByText(const ModeCatalogue& catalogue, std::string_view text) {
  const auto found = std::ranges::find_if(catalogue, [&](const DisplayMode& mode) { return ModeText(mode) == text; });
  if (found == catalogue.end()) return std::nullopt;
  return *found;
}

}  // namespace vexel
