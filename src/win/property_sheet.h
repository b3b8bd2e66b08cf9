// CPropertySheet: the platform's modal property sheet (OK, Cancel, Apply) over
// CPropertyPage objects. The sheet window is subclassed so that the class's
// message map sees its messages before the default processing.
#pragma once
#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "win/property_page.h"

namespace vexel::win {

class CPropertySheet : public CWnd {
 public:
  CPropertySheet(std::string caption, HWND parent, UINT startPage = 0);
  ~CPropertySheet() override;

  // Before the run: puts the page into the sheet. While the sheet runs: adds
  // it as the last tab, leaving the active page as it is.
  void AddPage(CPropertyPage* page);
  int GetPageCount() const { return static_cast<int>(m_pages.size()); }
  int GetPageIndex(const CPropertyPage* page) const;
  CPropertyPage* GetPage(int index) const { return m_pages[static_cast<size_t>(index)]; }
  bool HasPage(const CPropertyPage* page) const { return GetPageIndex(page) >= 0; }

  // The page the sheet shows: the first one it opens on, or the current one.
  bool SetActivePage(const CPropertyPage* page);
  CPropertyPage* GetActivePage() const;

  // Runs the sheet modally; the platform's result (positive after OK or an apply).
  INT_PTR DoModal();
  // The sheet object running in a window, or null for any other window.
  static CPropertySheet* FromHandle(HWND hwnd);

  // Presses one of the sheet's buttons (PSBTN_*), posted like the platform does.
  void PressButton(int button) const;

 protected:
  // The default processing of a message the class's map has seen first.
  LRESULT Default(const Msg& msg) const;
  // The sheet's window exists, not yet shown; the class's map sees its
  // messages from here on (the platform may activate it before that).
  virtual void OnSheetInitialized() {}

 private:
  static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);
  static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT HandleSheetMessage(const Msg& msg);

  std::string m_strCaption;
  HWND m_hParent;
  UINT m_nStartPage;
  std::vector<CPropertyPage*> m_pages;
};

}  // namespace vexel::win
