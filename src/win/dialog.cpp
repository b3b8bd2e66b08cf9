#include "win/dialog.h"

#include <algorithm>
#include <exception>

#include "win/data_exchange.h"
#include "win/dialog_init.h"
#include "win/module.h"

namespace vexel::win {
namespace {

constexpr const char* kDialogObjectProperty = "VexelPanel.CDialog";

}  // namespace

HWND DefaultOwner() {
  HWND active = ::GetActiveWindow();
  return active ? ::GetLastActivePopup(active) : nullptr;
}

INT_PTR CDialog::DoModal() {
  HWND owner = m_hParent ? m_hParent : DefaultOwner();
  return ::DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(m_nIDTemplate), owner, &CDialog::DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

bool CDialog::UpdateData(bool saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  try {
    DoDataExchange(&dx);
    return true;
  } catch (const DataExchangeFailure&) {
    return false;
  }
}

BOOL CDialog::OnInitDialog() {
  UpdateData(false);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::CenterOverOwner() const {
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  RECT outer{};
  RECT own{};
  if (!owner || !::GetWindowRect(owner, &outer) || !::GetWindowRect(m_hWnd, &own)) return;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  ::GetMonitorInfoA(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& area = monitor.rcWork;
  const LONG width = own.right - own.left;
  const LONG height = own.bottom - own.top;
  const LONG left = std::max(area.left, std::min((outer.left + outer.right - width) / 2, area.right - width));
  const LONG top = std::max(area.top, std::min((outer.top + outer.bottom - height) / 2, area.bottom - height));
  ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnWndMsg(const Msg& msg, LRESULT& result) {
  if (msg.message != WM_COMMAND || HIWORD(msg.wParam) != BN_CLICKED) return CWnd::OnWndMsg(msg, result);
  switch (LOWORD(msg.wParam)) {
    case IDOK:
      OnOK();
      return true;
    case IDCANCEL:
      OnCancel();
      return true;
    default:
      return CWnd::OnWndMsg(msg, result);
  }
}

void CDialog::Bind(HWND hwnd, CDialog* dialog) {
  dialog->Attach(hwnd);
  ::SetPropA(hwnd, kDialogObjectProperty, dialog);
}

CDialog* CDialog::FromHandle(HWND hwnd) { return static_cast<CDialog*>(::GetPropA(hwnd, kDialogObjectProperty)); }

INT_PTR CDialog::HandleDialogMessage(const Msg& msg) {
  try {
    if (msg.message == WM_INITDIALOG) {
      RunDialogInit(msg.hwnd, ResourceModule(), m_nIDTemplate);
      const BOOL result = OnInitDialog();
      if (m_placement == Placement::OverOwner) CenterOverOwner();
      return result;
    }
    LRESULT result = 0;
    if (!m_boundControls.Offer(msg, result) && !Dispatch(msg, result)) return FALSE;
    ::SetWindowLongPtrA(msg.hwnd, DWLP_MSGRESULT, result);
    return TRUE;
  } catch (const std::exception& error) {
    ::OutputDebugStringA(error.what());
    return FALSE;
  } catch (...) {
    ::OutputDebugStringA("VexelPanel: unexpected exception in a dialog handler");
    return FALSE;
  }
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG && !FromHandle(hwnd)) Bind(hwnd, reinterpret_cast<CDialog*>(lParam));
  CDialog* dialog = FromHandle(hwnd);
  if (!dialog) return FALSE;
  const INT_PTR handled = dialog->HandleDialogMessage({hwnd, message, wParam, lParam});
  if (message == WM_NCDESTROY) {
    ::RemovePropA(hwnd, kDialogObjectProperty);
    dialog->m_boundControls.DetachAll();
    dialog->Detach();
  }
  return handled;
}

}  // namespace vexel::win
