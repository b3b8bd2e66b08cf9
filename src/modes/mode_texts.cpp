#include "modes/mode_texts.h"

#include <charconv>

namespace vexel {
namespace {

constexpr int32_t kTrueColorBits = 32;
constexpr int32_t kCountableBits = 64;

bool IsHardwareDefault(int32_t frequency) { return frequency == 0 || frequency == 1; }

// The mode list formats one text per mode of a driver's list that may hold
// 100,000 modes, so the texts are built by appending to one string.
template <typename Number>
void AppendNumber(std::string& text, Number number) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof(digits), number).ptr;
  text.append(digits, end);
}

void AppendColorCount(std::string& text, int32_t bitsPerPel) {
  if (bitsPerPel < 0 || bitsPerPel >= kCountableBits) {
    text += "2^";
    AppendNumber(text, bitsPerPel);
  } else {
    AppendNumber(text, uint64_t{1} << bitsPerPel);
  }
}

void AppendRefreshText(std::string& text, int32_t frequency) {
  if (IsHardwareDefault(frequency)) {
    text += "Hardware default refresh";
  } else {
    AppendNumber(text, frequency);
    text += " Hertz";
  }
}

void AppendColorText(std::string& text, int32_t bitsPerPel) {
  if (bitsPerPel == kTrueColorBits) {
    text += "True Color";
  } else {
    AppendColorCount(text, bitsPerPel);
    text += " Colors";
  }
}

void AppendDesktopAreaText(std::string& text, const DisplayMode& mode) {
  AppendNumber(text, mode.PelsWidth);
  text += " by ";
  AppendNumber(text, mode.PelsHeight);
}

}  // namespace

std::string RefreshText(int32_t frequency) {
  std::string text;
  AppendRefreshText(text, frequency);
  return text;
}

std::string ColorText(int32_t bitsPerPel) {
  std::string text;
  AppendColorText(text, bitsPerPel);
  return text;
}

std::string DesktopAreaText(const DisplayMode& mode) {
  std::string text;
  AppendDesktopAreaText(text, mode);
  return text;
}

std::string ModeText(const DisplayMode& mode) {
  std::string text;
  text.reserve(96);
  AppendDesktopAreaText(text, mode);
  text += " Pixels, ";
  AppendColorText(text, mode.BitsPerPel);
  text += ", ";
  AppendRefreshText(text, mode.DisplayFrequency);
  return text;
}

std::string RefreshKey(int32_t frequency) {
  return IsHardwareDefault(frequency) ? "Hardware" : std::to_string(frequency);
}

std::string ColorKey(int32_t bitsPerPel) {
  if (bitsPerPel == kTrueColorBits) return "True";
  std::string key;
  AppendColorCount(key, bitsPerPel);
  return key;
}

}  // namespace vexel
