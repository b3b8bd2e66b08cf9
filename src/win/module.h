// The module whose resources the program uses, and string-table access.
#pragma once
#include <windows.h>

#include <string>

namespace vexel::win {

HINSTANCE ResourceModule();

// A string-table entry, or an empty text when it is missing.
std::string LoadResourceString(UINT id);

}  // namespace vexel::win
