// CPropertyPage: one page of a property sheet, on its own dialog template.
// The real property sheet creates the page's window the first time the page
// is shown; the PSN_ notifications reach the typed hooks below.
#pragma once
#include <windows.h>
#include <prsht.h>

#include <cstdint>
#include <vector>

#include "win/dialog.h"

namespace vexel::win {

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId) : CDialog(templateId) {}

  // The page for the platform's property sheet (made once, owned by the sheet).
  HPROPSHEETPAGE CreatePageHandle();

  // Tells the sheet this page has changes, which enables Apply; does nothing
  // while the page's own updates of its controls are under way.
  void SetModified(bool changed = true) const;

  // While one lives, the page's own updates of its controls (texts it sets,
  // items it selects) do not mark the page modified through their notifications.
  class ProgramUpdate {
   public:
    explicit ProgramUpdate(const CPropertyPage& page) : page_(page) { ++page_.m_nProgramUpdates; }
    ~ProgramUpdate() { --page_.m_nProgramUpdates; }
    ProgramUpdate(const ProgramUpdate&) = delete;
    ProgramUpdate& operator=(const ProgramUpdate&) = delete;

   private:
    const CPropertyPage& page_;
  };

  // Presses one of the sheet's buttons (PSBTN_*), posted so that the sheet
  // acts once the page's current message is done.
  void PressSheetButton(int button) const;

  // The sheet window the page lives in (only once the page has a window).
  HWND GetSheetWindow() const { return GetParent(); }

 protected:
  // Controls of the template that this run's window is made without (none
  // by default), asked for when the sheet takes the page. A control brings
  // what it needs when it is created, so one nobody will see can be left
  // out with all it would have loaded.
  virtual std::vector<std::uint16_t> ControlsLeftOut() const { return {}; }

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

  // The template without the controls left out, while there are any: the
  // page's window is made from it.
  std::vector<std::uint8_t> m_leanTemplate;
  bool m_bFirstSetActive = true;
  mutable int m_nProgramUpdates = 0;
  bool m_bInitialising = false;
};

}  // namespace vexel::win
