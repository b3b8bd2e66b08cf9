#include "support/any_message_box.h"

#include "support/ui_driver.h"
#include "win/wnd.h"

namespace vexel::test {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;

bool IsMessageBoxOfThisProcess(HWND hwnd) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  char name[32] = {};
  ::GetClassNameA(hwnd, name, sizeof(name));
  return process == ::GetCurrentProcessId() && std::string(name) == "#32770" && ::IsWindowVisible(hwnd) &&
         ::GetDlgItem(hwnd, kMessageBoxTextId) != nullptr;
}

HWND FindMessageBoxOfThisProcess() {
  HWND found = nullptr;
  ::EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        if (!IsMessageBoxOfThisProcess(hwnd)) return TRUE;
        *reinterpret_cast<HWND*>(data) = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

std::string ClassOf(HWND hwnd) {
  char name[64] = {};
  if (hwnd) ::GetClassNameA(hwnd, name, sizeof(name));
  return name;
}

bool WaitUntil(std::chrono::milliseconds timeout, auto done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    ::Sleep(20);
  }
  return true;
}

}  // namespace

AnsweredBox AnswerAnyMessageBox(int button, std::chrono::milliseconds timeout) {
  HWND box = nullptr;
  if (!WaitUntil(timeout, [&] { return (box = FindMessageBoxOfThisProcess()) != nullptr; })) {
    return {"<no message box>", {}, {}};
  }
  AnsweredBox answered{ChildText(box, kMessageBoxTextId), win::WindowText(box), ClassOf(::GetWindow(box, GW_OWNER))};
  ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  WaitUntil(timeout, [&] { return !::IsWindow(box); });
  return answered;
}

}  // namespace vexel::test
