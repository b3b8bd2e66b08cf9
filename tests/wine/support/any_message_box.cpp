#include "support/any_message_box.h"

#include "support/message_boxes.h"
#include "win/wnd.h"

namespace vexel::test {
namespace {

bool IsMessageBoxOfThisProcess(HWND hwnd) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(hwnd, &process);
  return process == ::GetCurrentProcessId() && IsMessageBox(hwnd);
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

}  // namespace

AnsweredBox AnswerAnyMessageBox(int button, std::chrono::milliseconds timeout) {
  HWND box = nullptr;
  if (!PollUntil(timeout, [&] { return (box = FindMessageBoxOfThisProcess()) != nullptr; })) {
    return {"<no message box>", {}, {}};
  }
  AnsweredBox answered{{}, win::WindowText(box), ClassOf(::GetWindow(box, GW_OWNER))};
  answered.text = CloseMessageBox(box, button, timeout);
  return answered;
}

}  // namespace vexel::test
