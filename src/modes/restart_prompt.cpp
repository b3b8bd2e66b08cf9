#include "modes/restart_prompt.h"

#include <algorithm>

#include "resource.h"

namespace vexel {
namespace {

// Moves `window` over the middle of `over`, kept inside the work area of the
// monitor that `over` is on.
void CenterOver(HWND window, HWND over) {
  RECT outer{};
  RECT own{};
  if (!over || !::GetWindowRect(over, &outer) || !::GetWindowRect(window, &own)) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoA(::MonitorFromWindow(over, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  LONG left = (outer.left + outer.right - width) / 2;
  LONG top = (outer.top + outer.bottom - height) / 2;
  left = std::max(area.left, std::min(left, area.right - width));
  top = std::max(area.top, std::min(top, area.bottom - height));
  ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

CRestartPrompt::CRestartPrompt(HWND sheet) : CDialog(IDD_RESTART_PROMPT, sheet) {}

bool CRestartPrompt::AskRestartNow() { return DoModal() == IDC_RESTART_NOW; }

BOOL CRestartPrompt::OnInitDialog() {
  CDialog::OnInitDialog();
  CenterOver(m_hWnd, ::GetWindow(m_hWnd, GW_OWNER));
  return TRUE;
}

}  // namespace vexel
