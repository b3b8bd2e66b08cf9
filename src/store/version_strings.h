#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexel {

// A module's version resource, read once for any number of string queries.
class VersionResource {
 public:
  // The version resource of the file this program runs from. Its path is
  // taken in UTF-16: a folder name outside the ANSI code page would come
  // back with '?' in a narrow path, and the file would not be found.
  static VersionResource Own();
  explicit VersionResource(const std::wstring& moduleFile);

  // An entry of string block "000004B0" in the ANSI code page, or nothing
  // when the module or the entry has none.
  std::optional<std::string> String(std::string_view entry) const;

 private:
  std::vector<char> block_;
};

// The per-maker key (key_paths.h) from the program's own version resource.
std::optional<std::string> OwnPerMakerKeyPath();

}  // namespace vexel
