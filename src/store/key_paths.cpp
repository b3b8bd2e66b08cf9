#include "store/key_paths.h"

#include <algorithm>

#include "core/ascii_case.h"

namespace vexel {
namespace {

constexpr std::string_view kMachinePrefix = "REGISTRY\\Machine\\";
constexpr std::string_view kProfileServicesRoot =
    "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet\\Services";
constexpr std::string_view kPerMakerRoot = "SOFTWARE\\Vexelworks";

// Takes the last non-empty component off `path` and returns it.
std::string_view PopLastComponent(std::string_view& path) {
  while (!path.empty() && path.back() == '\\') {
    path.remove_suffix(1);
  }
  const size_t separator = path.find_last_of('\\');
  const size_t start = separator == std::string_view::npos ? 0 : separator + 1;
  const std::string_view component = path.substr(start);
  path = path.substr(0, start);
  return component;
}

std::string JoinKey(std::string_view parent, std::string_view child) {
  std::string path(parent);
  path += '\\';
  path += child;
  return path;
}

}  // namespace

std::string DeviceKeyFromDeviceMap(std::string_view deviceMapValue) {
  const std::string_view text = deviceMapValue.substr(0, deviceMapValue.find('\0'));
  const auto prefix = std::search(text.begin(), text.end(), kMachinePrefix.begin(), kMachinePrefix.end(),
                                  [](char a, char b) { return AsciiUpper(a) == AsciiUpper(b); });
  return prefix == text.end() ? std::string(text) : std::string(prefix + kMachinePrefix.size(), text.end());
}

std::string ServiceKeyPath(std::string_view keyPath) {
  const size_t separator = keyPath.find_last_of('\\');
  return separator == std::string_view::npos ? std::string() : std::string(keyPath.substr(0, separator));
}

std::string ProfileKeyPath(std::string_view basePath) {
  std::string_view rest = basePath;
  const std::string_view last = PopLastComponent(rest);
  const std::string_view parent = PopLastComponent(rest);
  if (parent.empty()) {
    return {};
  }
  return JoinKey(JoinKey(kProfileServicesRoot, parent), last);
}

std::optional<std::string> PerMakerKeyPath(const std::optional<std::string>& internalName,
                                           const std::optional<std::string>& fileVersion) {
  if (!internalName || !fileVersion || internalName->empty() || fileVersion->empty()) return std::nullopt;
  return JoinKey(JoinKey(kPerMakerRoot, *internalName), *fileVersion);
}

}  // namespace vexel
