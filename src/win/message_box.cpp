#include "win/message_box.h"

#include <utility>

#include "win/dialog.h"

namespace vexel::win {
namespace {

std::string& Caption() {
  static std::string caption;
  return caption;
}

}  // namespace

void SetMessageBoxCaption(std::string caption) { Caption() = std::move(caption); }

int ShowMessageBox(HWND owner, const std::string& text, UINT type) {
  return ShowMessageBox(owner, text, Caption(), type);
}

int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  return ::MessageBoxA(owner ? owner : DefaultOwner(), text.c_str(), caption.c_str(), type);
}

}  // namespace vexel::win
