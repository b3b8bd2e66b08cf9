#include "modes/mode_texts.h"

namespace vexel {
namespace {

constexpr int32_t kTrueColorBits = 32;
constexpr int32_t kCountableBits = 64;

bool IsHardwareDefault(int32_t frequency) { return frequency == 0 || frequency == 1; }

std::string ColorCount(int32_t bitsPerPel) {
  if (bitsPerPel < 0 || bitsPerPel >= kCountableBits) {
    return "2^" + std::to_string(bitsPerPel);
  }
  return std::to_string(uint64_t{1} << bitsPerPel);
}

}  // namespace

std::string RefreshText(int32_t frequency) {
  return IsHardwareDefault(frequency) ? "Hardware default refresh" : std::to_string(frequency) + " Hertz";
}

std::string ColorText(int32_t bitsPerPel) {
  return bitsPerPel == kTrueColorBits ? "True Color" : ColorCount(bitsPerPel) + " Colors";
}

std::string DesktopAreaText(const DisplayMode& mode) {
  return std::to_string(mode.PelsWidth) + " by " + std::to_string(mode.PelsHeight);
}

std::string ModeText(const DisplayMode& mode) {
  return DesktopAreaText(mode) + " Pixels, " + ColorText(mode.BitsPerPel) + ", " + RefreshText(mode.DisplayFrequency);
}

std::string RefreshKey(int32_t frequency) {
  return IsHardwareDefault(frequency) ? "Hardware" : std::to_string(frequency);
}

std::string ColorKey(int32_t bitsPerPel) { return bitsPerPel == kTrueColorBits ? "True" : ColorCount(bitsPerPel); }

}  // namespace vexel
