#pragma once
#include <windows.h>

#include <string>

namespace vexel {

// The registry value behind an option control: the string-table entry whose
// id is the control's id, loaded anew at each read and write.
std::string OptionValueName(UINT controlId);

}  // namespace vexel
