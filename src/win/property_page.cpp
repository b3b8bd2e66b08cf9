#include "win/property_page.h"

#include <optional>
#include <span>

#include "win/dialog_template.h"
#include "win/module.h"

namespace vexel::win {
namespace {

// The bytes of a dialog template resource, in the language the property
// sheet would find it in; empty when there is none.
std::span<const std::uint8_t> TemplateResource(HINSTANCE module, UINT templateId) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
  HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {static_cast<const std::uint8_t*>(bytes), ::SizeofResource(module, found)};
}

}  // namespace

HPROPSHEETPAGE CPropertyPage::CreatePageHandle() {
  PROPSHEETPAGEA page{};
  page.dwSize = sizeof(page);
  page.dwFlags = PSP_DEFAULT;
  page.hInstance = ResourceModule();
  page.pszTemplate = MAKEINTRESOURCEA(GetTemplateId());
  const std::vector<std::uint16_t> leftOut = ControlsLeftOut();
  std::optional<std::vector<std::uint8_t>> lean;
  if (!leftOut.empty()) lean = DialogTemplateWithout(TemplateResource(page.hInstance, GetTemplateId()), leftOut);
  // A template that cannot be read keeps every control.
  if (lean) {
    m_leanTemplate = std::move(*lean);
    page.dwFlags |= PSP_DLGINDIRECT;
    page.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(m_leanTemplate.data());
  }
  page.pfnDlgProc = &CPropertyPage::PageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return ::CreatePropertySheetPageA(&page);
}

void CPropertyPage::SetModified(bool changed) const {
  if (!m_hWnd || m_nProgramUpdates > 0) return;
  const UINT message = changed ? PSM_CHANGED : PSM_UNCHANGED;
  // While the page initialises, the sheet does not know its window yet and
  // would drop the mark: it goes to the sheet once the creation is done.
  if (m_bInitialising) {
    ::PostMessageA(GetSheetWindow(), message, reinterpret_cast<WPARAM>(m_hWnd), 0);
  } else {
    ::SendMessageA(GetSheetWindow(), message, reinterpret_cast<WPARAM>(m_hWnd), 0);
  }
}

void CPropertyPage::PressSheetButton(int button) const {
  if (m_hWnd) ::PostMessageA(GetSheetWindow(), PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

BOOL CPropertyPage::OnSetActive() {
  // The first activation follows OnInitDialog, which already filled the controls.
  if (m_bFirstSetActive) {
    m_bFirstSetActive = false;
    return TRUE;
  }
  // Showing the fields again changes nothing the user edited.
  const ProgramUpdate showing(*this);
  UpdateData(false);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(true) ? TRUE : FALSE; }

BOOL CPropertyPage::OnApply() {
  OnOK();
  return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

bool CPropertyPage::OnWndMsg(const Msg& msg, LRESULT& result) {
  if (msg.message == WM_NOTIFY) {
    const auto& header = *reinterpret_cast<const NMHDR*>(msg.lParam);
    // Only the sheet's own notifications are page events.
    if (header.hwndFrom == GetSheetWindow() && OnSheetNotify(header, result)) return true;
  }
  // Pages have no OK/Cancel buttons of their own: the sheet's go through PSN_.
  return CWnd::OnWndMsg(msg, result);
}

bool CPropertyPage::OnSheetNotify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case PSN_SETACTIVE:
      result = OnSetActive() ? 0 : -1;
      return true;
    case PSN_KILLACTIVE:
      result = OnKillActive() ? FALSE : TRUE;
      return true;
    case PSN_APPLY:
      result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      return true;
    case PSN_RESET:
      OnReset();
      result = 0;
      return true;
    default:
      return false;
  }
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_INITDIALOG) return DialogProc(hwnd, message, wParam, lParam);
  const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
  auto* page = reinterpret_cast<CPropertyPage*>(sheetPage->lParam);
  Bind(hwnd, page);
  page->m_bInitialising = true;
  const INT_PTR result = DialogProc(hwnd, message, wParam, lParam);
  page->m_bInitialising = false;
  return result;
}

}  // namespace vexel::win
