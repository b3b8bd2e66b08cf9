// CComboBox: one-line wrappers of the combo box messages.
#pragma once
#include <string>

#include "win/wnd.h"

namespace vexel::win {

class CComboBox : public CWnd {
 public:
  int AddString(const std::string& text) const { return Int(SendMessage(CB_ADDSTRING, 0, Text(text))); }
  int GetCount() const { return Int(SendMessage(CB_GETCOUNT)); }
  int GetCurSel() const { return Int(SendMessage(CB_GETCURSEL)); }
  int SetCurSel(int index) const { return Int(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(index))); }
  // The first item, after `start`, that begins with the text (case-insensitive).
  int FindString(int start, const std::string& text) const {
    return Int(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(start), Text(text)));
  }
  int SelectString(int start, const std::string& text) const {
    return Int(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(start), Text(text)));
  }
  std::string GetLBText(int index) const;
  void ResetContent() const { SendMessage(CB_RESETCONTENT); }

 private:
  static int Int(LRESULT value) { return static_cast<int>(value); }
  static LPARAM Text(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }
};

}  // namespace vexel::win
