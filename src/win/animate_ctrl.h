// CAnimateCtrl: one-line wrappers of the animation control (SysAnimate32).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "win/wnd.h"

namespace vexel::win {

class CAnimateCtrl : public CWnd {
 public:
  // Opens an AVI resource of the control's own module (no instance handle).
  bool Open(UINT resourceId) const {
    return SendMessage(ACM_OPENA, 0, reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))) != 0;
  }
  bool Play(UINT from, UINT to, UINT repeat) const { return SendMessage(ACM_PLAY, repeat, MAKELONG(from, to)) != 0; }
  bool Stop() const { return SendMessage(ACM_STOP) != 0; }
};

}  // namespace vexel::win
