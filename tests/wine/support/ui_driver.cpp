#include "support/ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <vector>

#include "support/message_boxes.h"
#include "win/wnd.h"

namespace vexel::test {
namespace {

constexpr UINT kRunStep = WM_APP + 0x71;
constexpr UINT kReadFocus = WM_APP + 0x72;

// The focus as a posted message finds it. A posted message runs only in a
// message loop, never inside a call that merely waits on another thread (as
// a sent one can), so it sees the focus as the UI thread's code left it.
struct FocusRead {
  std::atomic<HWND> focus{nullptr};
  std::atomic<bool> done{false};
};
constexpr const char* kInvokerClass = "VexelPanelTestInvoker";

struct ThreadWindows {
  std::vector<HWND> windows;
};

std::vector<HWND> TopLevelWindows(DWORD thread) {
  ThreadWindows found;
  ::EnumThreadWindows(
      thread,
      [](HWND hwnd, LPARAM data) -> BOOL {
        reinterpret_cast<ThreadWindows*>(data)->windows.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.windows;
}

HWND FindMessageBox(DWORD thread) {
  for (HWND hwnd : TopLevelWindows(thread)) {
    if (IsMessageBox(hwnd)) return hwnd;
  }
  return nullptr;
}

// The button that backs out of a window: Cancel, or for a message box without
// one its No or OK.
int CancelButton(HWND hwnd) {
  if (!IsMessageBox(hwnd)) return IDCANCEL;
  for (int id : {IDCANCEL, IDNO, IDOK}) {
    if (::GetDlgItem(hwnd, id)) return id;
  }
  return IDCANCEL;
}

}  // namespace

std::string ChildText(HWND parent, int id) { return win::WindowText(::GetDlgItem(parent, id)); }

UiDriver::UiDriver() : m_uiThread(::GetCurrentThreadId()) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &UiDriver::InvokerProc;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kInvokerClass;
  ::RegisterClassA(&windowClass);
  m_invoker = ::CreateWindowA(kInvokerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
}

UiDriver::~UiDriver() {
  Join();
  ::DestroyWindow(m_invoker);
}

void UiDriver::Start(std::function<void(UiDriver&)> script) {
  m_script = std::thread([this, script = std::move(script)] {
    script(*this);
    if (::testing::Test::HasFailure() && !CloseWhatIsOpen(std::chrono::seconds(10))) {
      ADD_FAILURE() << "the failed test's windows did not close";
    }
  });
}

bool UiDriver::CloseWhatIsOpen(std::chrono::milliseconds timeout) const {
  // A modal window disables its owner, so only the innermost ones take input.
  return PollUntil(timeout, [&] {
    bool open = false;
    for (HWND hwnd : TopLevelWindows(m_uiThread)) {
      if (!::IsWindowVisible(hwnd)) continue;
      open = true;
      if (::IsWindowEnabled(hwnd)) ::PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(CancelButton(hwnd), BN_CLICKED), 0);
    }
    return !open;
  });
}

void UiDriver::Join() {
  if (m_script.joinable()) m_script.join();
}

void UiDriver::OnUi(const std::function<void()>& step) const {
  ::SendMessageA(m_invoker, kRunStep, 0, reinterpret_cast<LPARAM>(&step));
}

LRESULT CALLBACK UiDriver::InvokerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kReadFocus) {
    const std::unique_ptr<std::shared_ptr<FocusRead>> read(reinterpret_cast<std::shared_ptr<FocusRead>*>(lParam));
    (*read)->focus = ::GetFocus();
    (*read)->done = true;
    return 0;
  }
  if (message != kRunStep) return ::DefWindowProcA(hwnd, message, wParam, lParam);
  (*reinterpret_cast<const std::function<void()>*>(lParam))();
  return 0;
}

HWND UiDriver::WaitForWindow(const std::string& caption, std::chrono::milliseconds timeout) const {
  HWND found = nullptr;
  PollUntil(timeout, [&] {
    for (HWND hwnd : TopLevelWindows(m_uiThread)) {
      if (::IsWindowVisible(hwnd) && win::WindowText(hwnd) == caption) found = hwnd;
    }
    return found != nullptr;
  });
  return found;
}

HWND UiDriver::FocusWhenSettled(std::chrono::milliseconds timeout) const {
  HWND focus = nullptr;
  PollUntil(timeout, [&] {
    if (MessageBoxOpen()) return false;
    focus = FocusAfterPosted(timeout);
    return focus != nullptr;
  });
  return focus;
}

HWND UiDriver::FocusAfterPosted(std::chrono::milliseconds timeout) const {
  auto read = std::make_shared<FocusRead>();
  // The handler owns a reference, so a read that comes late finds its record.
  if (!::PostMessageA(m_invoker, kReadFocus, 0, reinterpret_cast<LPARAM>(new std::shared_ptr<FocusRead>(read)))) {
    return nullptr;
  }
  PollUntil(timeout, [&] { return read->done.load(); });
  return read->focus.load();
}

bool UiDriver::MessageBoxOpen() const { return FindMessageBox(m_uiThread) != nullptr; }

int UiDriver::MessageBoxesOpen() const {
  return static_cast<int>(std::ranges::count_if(TopLevelWindows(m_uiThread), IsMessageBox));
}

std::string UiDriver::AnswerMessageBox(int button, std::chrono::milliseconds timeout) const {
  HWND box = nullptr;
  if (!PollUntil(timeout, [&] { return (box = FindMessageBox(m_uiThread)) != nullptr; })) return "<no message box>";
  return CloseMessageBox(box, button, timeout);
}

}  // namespace vexel::test
