// The texts the OpenGL probe leaves for the sheet, and the rule that turns the
// implementation's strings into one of them.
#pragma once
#include <string>
#include <string_view>

namespace vexel {

// The probe could not open its window or make a rendering context current.
inline constexpr std::string_view kOpenGlWindowFailedText = "Unknown: Couldn't open GL window";

// The probe was started but did not signal within the wait. The sheet's own
// initial text speaks of the -N switch, which would be wrong here, so a time-out
// says plainly that the probe gave no answer.
inline constexpr std::string_view kOpenGlTimedOutText = "Not Retrieved: OpenGL did not answer in time";

// The vendor string upper-cased; the maker's own implementation is recognised
// by this word in that text.
inline constexpr std::string_view kMakerWord = "VEXEL";

// True when the upper-cased vendor names the maker's own implementation, whose
// version string is then the result instead of the vendor.
bool IsMakersImplementation(std::string_view upperVendor);

}  // namespace vexel
