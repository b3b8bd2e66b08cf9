#pragma once

#include <string>
#include <string_view>

namespace vexel {

// An entry of a module's version resource, string block "000004B0" (e.g.
// "InternalName", "FileVersion"); empty when the module or entry has none.
std::string ReadVersionString(const std::string& moduleFile, std::string_view entry);

// The file this program runs from.
std::string OwnModuleFile();

// The per-maker key "SOFTWARE\Vexelworks\<InternalName>\<FileVersion>", from
// the program's own version resource.
std::string OwnPerMakerKeyPath();

}  // namespace vexel
