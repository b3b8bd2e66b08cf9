// CButton: one-line wrappers of the button messages.
#pragma once
#include "win/wnd.h"

namespace vexel::win {

class CButton : public CWnd {
 public:
  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
};

}  // namespace vexel::win
