#include "win/wnd.h"

#include <vector>

namespace vexel::win {
namespace {

constexpr const char* kWindowObjectProperty = "VexelPanel.CWnd";

}  // namespace

std::string WindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthA(hwnd);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const int copied = ::GetWindowTextA(hwnd, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

HWND CWnd::Detach() {
  HWND hwnd = m_hWnd;
  m_hWnd = nullptr;
  return hwnd;
}

std::string CWnd::GetWindowText() const { return WindowText(m_hWnd); }

std::string CWnd::GetDlgItemText(int id) const { return WindowText(GetDlgItem(id)); }

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam) const {
  for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    ::SendMessageA(child, message, wParam, lParam);
    CWnd(child).SendMessageToDescendants(message, wParam, lParam);
  }
}

bool CWnd::Dispatch(const Msg& msg, LRESULT& result) {
  return (m_messageMap && m_messageMap(msg, result)) || OnWndMsg(msg, result);
}

bool CWnd::OnWndMsg(const Msg&, LRESULT&) { return false; }

bool CWnd::CreateEx(DWORD exStyle, const char* className, const std::string& title, DWORD style, const RECT& outer,
                    HWND parent) {
  return ::CreateWindowExA(exStyle, className, title.c_str(), style, outer.left, outer.top, outer.right - outer.left,
                           outer.bottom - outer.top, parent, nullptr, ::GetModuleHandleA(nullptr), this) != nullptr;
}

bool RegisterWindowClass(WNDCLASSA windowClass) {
  windowClass.lpfnWndProc = &CWnd::WindowProc;
  if (!windowClass.hInstance) windowClass.hInstance = ::GetModuleHandleA(nullptr);
  return ::RegisterClassA(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

LRESULT CALLBACK CWnd::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<CWnd*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->Attach(hwnd);
    ::SetPropA(hwnd, kWindowObjectProperty, created);
  }
  auto* self = static_cast<CWnd*>(::GetPropA(hwnd, kWindowObjectProperty));
  LRESULT result = 0;
  bool handled = false;
  if (self) {
    try {
      handled = self->Dispatch({hwnd, message, wParam, lParam}, result);
    } catch (...) {
      ::OutputDebugStringA("VexelPanel: unexpected exception in a window handler");
    }
  }
  if (message == WM_NCDESTROY && self) {
    ::RemovePropA(hwnd, kWindowObjectProperty);
    self->Detach();
  }
  return handled ? result : ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace vexel::win
