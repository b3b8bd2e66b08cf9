// CDialog: a dialog from a template, modal, with its data exchange. One static
// dialog procedure stores the object at WM_INITDIALOG and forwards every
// message to virtual handlers; no exception ever crosses into user32.
#pragma once
#include "win/bound_controls.h"
#include "win/wnd.h"

namespace vexel::win {

class CDataExchange;

class CDialog : public CWnd {
 public:
  // Where the dialog opens: where its template puts it, or over the middle of
  // its owner, kept inside the work area of the owner's monitor.
  enum class Placement { FromTemplate, OverOwner };

  explicit CDialog(UINT templateId, HWND parent = nullptr, Placement placement = Placement::FromTemplate)
      : m_nIDTemplate(templateId), m_hParent(parent), m_placement(placement) {}

  // Runs the dialog modally; returns the code passed to EndDialog, or -1.
  INT_PTR DoModal();
  void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

  // Moves data between the controls and the members; false when a field
  // failed its validation (the user has been told and the field has focus).
  bool UpdateData(bool saveAndValidate = true);

  UINT GetTemplateId() const { return m_nIDTemplate; }

  // Binds an object to one of the dialog's controls (data exchange does it).
  void BindControl(CWnd& control, HWND hwnd) { m_boundControls.Bind(control, hwnd); }

 protected:
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual void OnOK();
  virtual void OnCancel();

  bool OnWndMsg(const Msg& msg, LRESULT& result) override;

  // The dialog procedure's work for a window this object owns.
  INT_PTR HandleDialogMessage(const Msg& msg);
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Associates the object with its window when WM_INITDIALOG arrives.
  static void Bind(HWND hwnd, CDialog* dialog);
  static CDialog* FromHandle(HWND hwnd);

 private:
  void CenterOverOwner() const;

  UINT m_nIDTemplate;
  HWND m_hParent;
  Placement m_placement;
  BoundControls m_boundControls;
};

// The owner a dialog gets when it is created without one: the active window
// of this thread, as message boxes and modal dialogs normally are.
HWND DefaultOwner();

}  // namespace vexel::win
