// The Settings page's small decisions, apart from its window: where a scroll
// message moves the desktop-area thumb, which adapter type is preselected and
// when application presets are offered.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/display_mode.h"

namespace vexel {

// The horizontal scroll codes, with the system's numbers.
enum class ScrollCode : int {
  LineLeft = 0,
  LineRight = 1,
  PageLeft = 2,
  PageRight = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Left = 6,
  Right = 7,
  EndScroll = 8,
};

// The thumb's new index among `count` desktop areas, from its index
// `position` and the position `carried` by a thumb message. Nothing when
// there is no desktop area; otherwise always a valid index, so a carried
// position outside the range lands on its nearer end.
std::optional<int> DesktopAreaScrollPosition(int code, int position, int count, int carried);

// The beginning of the adapter-type item to select when the page opens: the
// card name when one is set, else the model the answering driver reports.
std::optional<std::string> AdapterTypePrefix(const std::string& cardName, bool driverAnswered, uint32_t boardModel);

// Presets are offered only for a board that identified itself with the
// supported vendor and while no card name is being installed.
bool ApplicationListAvailable(const std::string& cardName, uint32_t vendorId);

// The first catalogue mode whose ModeText is exactly `text`.
std::optional<DisplayMode> FindModeByText(const ModeCatalogue& catalogue, std::string_view text);

}  // namespace vexel
