#include "info/probe/sys_colors.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace vexel {
namespace {

constexpr std::uint32_t kColorValueLimit = 64;

std::optional<std::uint32_t> ReadUserColor(const RegKey& key, std::string_view name) {
  char text[kColorValueLimit] = {};
  std::uint32_t size = sizeof(text);
  std::uint32_t type = 0;
  if (key.QueryValue(name, &type, text, &size) != kOk || !IsStringType(type)) return std::nullopt;
  return ParseColorText(std::string_view(text, strnlen(text, size)));
}

}  // namespace

std::size_t TakenOverElementCount(const VersionInfo& version) {
  const bool isNt35 = version.platformId == kPlatformWin32Nt && version.majorVersion == 3 &&
                      (version.minorVersion == 50 || version.minorVersion == 51);
  return isNt35 ? 21 : kSysColorElements.size();
}

std::optional<std::uint32_t> ParseColorText(std::string_view text) {
  const std::string terminated(text);
  long red = 0;
  long green = 0;
  long blue = 0;
  if (std::sscanf(terminated.c_str(), "%ld %ld %ld", &red, &green, &blue) != 3) return std::nullopt;
  const auto lowByte = [](long component) { return static_cast<std::uint32_t>(component) & 0xFFu; };
  return lowByte(red) | lowByte(green) << 8 | lowByte(blue) << 16;
}

std::vector<std::uint32_t> GivenBackColors(Registry& registry, std::span<const std::uint32_t> saved) {
  std::vector<std::uint32_t> colors(saved.begin(), saved.end());
  RegKey key;
  if (registry.OpenKey(Hive::CurrentUser, kUserColorsKey, key) != kOk) return colors;
  for (std::size_t i = 0; i < colors.size() && i < kSysColorElements.size(); ++i) {
    if (const auto user = ReadUserColor(key, kSysColorElements[i].name)) colors[i] = *user;
  }
  return colors;
}

}  // namespace vexel
