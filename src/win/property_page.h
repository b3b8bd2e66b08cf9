// CPropertyPage: one page of a property sheet, on its own dialog template.
// The real property sheet creates the page's window the first time the page
// is shown; the PSN_ notifications reach the typed hooks below.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "win/dialog.h"

namespace vexel::win {

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

  // The page for the platform's property sheet (made once, owned by the sheet).
  HPROPSHEETPAGE CreatePageHandle();

  // Tells the sheet this page has changes, which enables Apply.
  void SetModified(bool changed = true) const;

  // The sheet window the page lives in (only once the page has a window).
  HWND GetSheetWindow() const { return GetParent(); }

 protected:
  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  virtual BOOL OnApply();
  virtual void OnReset();
  // A page stores its values in OnApply; the sheet, not the page, closes.
  void OnOK() override {}
  void OnCancel() override {}

  bool OnWndMsg(const Msg& msg, LRESULT& result) override;

 private:
  bool OnSheetNotify(const NMHDR& header, LRESULT& result);
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  bool m_bFirstSetActive = true;
};

}  // namespace vexel::win
