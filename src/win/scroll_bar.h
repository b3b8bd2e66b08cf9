// CScrollBar: one-line wrappers of a scroll bar control.
#pragma once
#include "win/wnd.h"

namespace vexel::win {

class CScrollBar : public CWnd {
 public:
  void SetScrollRange(int minimum, int maximum, bool redraw = true) const {
    ::SetScrollRange(m_hWnd, SB_CTL, minimum, maximum, redraw ? TRUE : FALSE);
  }
  int SetScrollPos(int position, bool redraw = true) const {
    return ::SetScrollPos(m_hWnd, SB_CTL, position, redraw ? TRUE : FALSE);
  }
  int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
};

}  // namespace vexel::win
