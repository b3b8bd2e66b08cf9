// The environment script's file.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace vexel {

// Creates the file, replacing one of that name, for writing without sharing,
// and writes the whole text in one write. A file that could not be
// completely written is deleted again, so no half-written script is left.
// Returns ERROR_SUCCESS, or the system's code of what failed.
DWORD WriteExportFile(const std::string& fileName, std::string_view text);

}  // namespace vexel
