// CListBox: one-line wrappers of the list box messages.
#pragma once
#include <string>

#include "win/wnd.h"

namespace vexel::win {

class CListBox : public CWnd {
 public:
  int AddString(const std::string& text) const { return Int(SendMessage(LB_ADDSTRING, 0, Text(text))); }
  // At `index` (-1: the end), where even a sorted list leaves the line.
  int InsertString(int index, const std::string& text) const {
    return Int(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), Text(text)));
  }
  int GetCount() const { return Int(SendMessage(LB_GETCOUNT)); }
  int GetCurSel() const { return Int(SendMessage(LB_GETCURSEL)); }
  int SetCurSel(int index) const { return Int(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index))); }
  int SelectString(int start, const std::string& text) const {
    return Int(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(start), Text(text)));
  }
  std::string GetText(int index) const;
  void ResetContent() const { SendMessage(LB_RESETCONTENT); }

 private:
  static int Int(LRESULT value) { return static_cast<int>(value); }
  static LPARAM Text(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }
};

}  // namespace vexel::win
