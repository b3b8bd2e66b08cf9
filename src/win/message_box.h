// Message boxes of the program, captioned with its name unless told otherwise.
#pragma once
#include <windows.h>

#include <string>

namespace vexel::win {

// The caption of the program's own message boxes, which the program gives
// at start-up; none until then.
void SetMessageBoxCaption(std::string caption);

int ShowMessageBox(HWND owner, const std::string& text, UINT type);
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type);

}  // namespace vexel::win
