// CStatic: one-line wrappers of a static control.
#pragma once
#include "win/wnd.h"

namespace vexel::win {

class CStatic : public CWnd {
 public:
  HBITMAP SetBitmap(HBITMAP bitmap) const {
    return reinterpret_cast<HBITMAP>(SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
  }
};

}  // namespace vexel::win
