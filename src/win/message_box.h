// Message boxes of the program, captioned with its name unless told otherwise.
#pragma once
#include <windows.h>

#include <string>

namespace vexel::win {

// The caption of the program's own message boxes (string 103).
std::string ProgramCaption();

int ShowMessageBox(HWND owner, const std::string& text, UINT type);
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

}  // namespace vexel::win
