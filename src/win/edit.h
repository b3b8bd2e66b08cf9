// CEdit: one-line wrappers of the edit control messages.
#pragma once
#include "win/wnd.h"

namespace vexel::win {

class CEdit : public CWnd {
 public:
  void SetSel(int start, int end) const { SendMessage(EM_SETSEL, static_cast<WPARAM>(start), end); }
  void LimitText(int characters) const { SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(characters)); }
  void SetReadOnly(bool readOnly) const { SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
};

}  // namespace vexel::win
