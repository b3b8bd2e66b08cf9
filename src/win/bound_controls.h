// The control objects a dialog's data exchange bound to its controls. The
// dialog offers each control's own notifications to its object before its
// message map, so a control class can handle what happens to itself (its
// text changed, say) wherever it is used.
#pragma once
#include <vector>

#include "win/wnd.h"

namespace vexel::win {

class BoundControls {
 public:
  // Attaches the object to the control and runs its attach hook.
  void Bind(CWnd& control, HWND hwnd);
  // A WM_COMMAND from a bound control goes to its object first; true when
  // the object handled it, which then does not reach the dialog.
  bool Offer(const Msg& msg, LRESULT& result) const;
  // The dialog's window is gone: every object lets go of its control.
  void DetachAll();

 private:
  std::vector<CWnd*> controls_;
};

}  // namespace vexel::win
