// The system's own description of an error code.
#pragma once
#include <windows.h>

#include <string>

namespace vexel::win {

// FormatMessage's text for the code, without its line end; the number when
// the system has no text for it.
std::string SystemErrorText(DWORD code);

}  // namespace vexel::win
