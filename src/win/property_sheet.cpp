#include "win/property_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <exception>

#include "win/module.h"

namespace vexel::win {
namespace {

// The platform's callback has no user data: the sheet being created on this
// thread is handed over here for the moment of its creation.
thread_local CPropertySheet* sheetInCreation = nullptr;

constexpr UINT_PTR kSubclassId = 1;
constexpr const char* kSheetObjectProperty = "VexelPanel.CPropertySheet";

}  // namespace

CPropertySheet::CPropertySheet(std::string caption, HWND parent, UINT startPage)
    : m_strCaption(std::move(caption)), m_hParent(parent), m_nStartPage(startPage) {}

CPropertySheet::~CPropertySheet() {
  if (m_hWnd) ::RemoveWindowSubclass(m_hWnd, &CPropertySheet::SheetProc, kSubclassId);
}

void CPropertySheet::AddPage(CPropertyPage* page) {
  m_pages.push_back(page);
  if (m_hWnd) PropSheet_AddPage(m_hWnd, page->CreatePageHandle());
}

int CPropertySheet::GetPageIndex(const CPropertyPage* page) const {
  const auto found = std::find(m_pages.begin(), m_pages.end(), page);
  return found == m_pages.end() ? -1 : static_cast<int>(found - m_pages.begin());
}

bool CPropertySheet::SetActivePage(const CPropertyPage* page) {
  const int index = GetPageIndex(page);
  if (index < 0) return false;
  if (!m_hWnd) {
    m_nStartPage = static_cast<UINT>(index);
    return true;
  }
  return PropSheet_SetCurSel(m_hWnd, nullptr, index) != FALSE;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
  if (!m_hWnd) return m_pages.empty() ? nullptr : GetPage(static_cast<int>(m_nStartPage));
  HWND current = PropSheet_GetCurrentPageHwnd(m_hWnd);
  for (CPropertyPage* page : m_pages) {
    if (page->GetSafeHwnd() == current) return page;
  }
  return nullptr;
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<HPROPSHEETPAGE> handles;
  for (CPropertyPage* page : m_pages) handles.push_back(page->CreatePageHandle());

  PROPSHEETHEADERA header{};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_USECALLBACK;
  header.hwndParent = m_hParent;
  header.hInstance = ResourceModule();
  header.pszCaption = m_strCaption.c_str();
  header.nPages = static_cast<UINT>(handles.size());
  header.nStartPage = m_nStartPage;
  header.phpage = handles.data();
  header.pfnCallback = &CPropertySheet::SheetCallback;

  sheetInCreation = this;
  const INT_PTR result = ::PropertySheetA(&header);
  sheetInCreation = nullptr;
  m_hWnd = nullptr;
  return result;
}

CPropertySheet* CPropertySheet::FromHandle(HWND hwnd) {
  return hwnd ? static_cast<CPropertySheet*>(::GetPropA(hwnd, kSheetObjectProperty)) : nullptr;
}

void CPropertySheet::PressButton(int button) const { ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, button, 0); }

LRESULT CPropertySheet::Default(const Msg& msg) const {
  return ::DefSubclassProc(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT message, LPARAM) {
  if (message == PSCB_INITIALIZED && sheetInCreation) {
    CPropertySheet* sheet = sheetInCreation;
    sheet->Attach(hwnd);
    ::SetPropA(hwnd, kSheetObjectProperty, sheet);
    ::SetWindowSubclass(hwnd, &CPropertySheet::SheetProc, kSubclassId, reinterpret_cast<DWORD_PTR>(sheet));
    sheet->OnSheetInitialized();
  }
  return 0;
}

LRESULT CPropertySheet::HandleSheetMessage(const Msg& msg) {
  try {
    LRESULT result = 0;
    if (Dispatch(msg, result)) return result;
  } catch (const std::exception& error) {
    ::OutputDebugStringA(error.what());
  } catch (...) {
    ::OutputDebugStringA("VexelPanel: unexpected exception in a sheet handler");
  }
  return Default(msg);
}

LRESULT CALLBACK CPropertySheet::SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self) {
  auto* sheet = reinterpret_cast<CPropertySheet*>(self);
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(hwnd, &CPropertySheet::SheetProc, kSubclassId);
    ::RemovePropA(hwnd, kSheetObjectProperty);
    sheet->Detach();
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
  }
  return sheet->HandleSheetMessage({hwnd, message, wParam, lParam});
}

}  // namespace vexel::win
