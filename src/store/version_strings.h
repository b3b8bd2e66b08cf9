#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexel {

// A module's version resource, read once for any number of string queries.
class VersionResource {
public:
    explicit VersionResource(const std::string& moduleFile);

    // An entry of string block "000004B0", or nothing when the module or the
    // entry has none.
    std::optional<std::string> String(std::string_view entry) const;

private:
    std::vector<char> block_;
};

// The file this program runs from.
std::string OwnModuleFile();

// The per-maker key "SOFTWARE\Vexelworks\<InternalName>\<FileVersion>", from
// the program's own version resource.
std::string OwnPerMakerKeyPath();

}  // namespace vexel
