#include "win/message_box.h"

#include "resource.h"
#include "win/dialog.h"
#include "win/module.h"

namespace vexel::win {

std::string ProgramCaption() { return LoadResourceString(IDS_APP_CAPTION); }

int ShowMessageBox(HWND owner, const std::string& text, UINT type) {
  return ShowMessageBox(owner, text, ProgramCaption(), type);
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return ::MessageBoxA(owner ? owner : DefaultOwner(), text.c_str(), caption.c_str(), type);
}

}  // namespace vexel::win
