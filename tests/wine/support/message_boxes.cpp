#include "support/message_boxes.h"

#include "win/wnd.h"

namespace vexel::test {

// A dialog of static texts has controls with id 0xFFFF too; only a message
// box also has the icon control.
bool IsMessageBox(HWND hwnd) {
  return ClassOf(hwnd) == "#32770" && ::IsWindowVisible(hwnd) && ::GetDlgItem(hwnd, kMessageBoxTextId) != nullptr &&
         ::GetDlgItem(hwnd, kMessageBoxIconId) != nullptr;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  if (hwnd) ::GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

std::string CloseMessageBox(HWND box, int button, std::chrono::milliseconds timeout) {
  const std::string text = win::WindowText(::GetDlgItem(box, kMessageBoxTextId));
  ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  PollUntil(timeout, [&] { return !::IsWindow(box); });
  return text;
}

}  // namespace vexel::test
