#include "win/wnd.h"

#include <vector>

namespace vexel::win {

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

bool CWnd::OnWndMsg(const Msg&, LRESULT&) { return false; }

}  // namespace vexel::win
