// CSpinButtonCtrl: one-line wrappers of the up-down control.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/wnd.h"

namespace vexel::win {

class CSpinButtonCtrl : public CWnd {
 public:
  // The platform takes the maximum in the low word and the minimum in the high word.
  void SetRange(short minimum, short maximum) const {
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(static_cast<WORD>(maximum), static_cast<WORD>(minimum)));
  }
  int SetPos(int position) const { return static_cast<int>(SendMessage(UDM_SETPOS, 0, MAKELPARAM(position, 0))); }
  int GetPos() const { return static_cast<int>(SendMessage(UDM_GETPOS)); }
};

}  // namespace vexel::win
