// Data exchange between dialog controls and members, in both directions, with
// validation. A failed field shows the framework's message, gets the focus
// with its text selected, and ends the exchange by DataExchangeFailure.
#pragma once
#include <cstdint>
#include <string>

#include "win/wnd.h"

namespace vexel::win {

class CDialog;

struct DataExchangeFailure {};

inline constexpr const char* kMsgEnterInteger = "Please enter an integer.";
inline constexpr const char* kMsgEnterPositiveInteger = "Please enter a positive integer.";
inline constexpr const char* kMsgEnterIntegerBetween = "Please enter an integer between %1 and %2.";

class CDataExchange {
 public:
  CDataExchange(CDialog* dialog, bool saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

  // The control about to be exchanged; remembered for a failure.
  HWND PrepareCtrl(int id);
  HWND PrepareEditCtrl(int id);
  // Tells the user, puts the focus back on the last control and ends the exchange.
  [[noreturn]] void Fail(const std::string& message);

  CDialog* m_pDlgWnd;
  bool m_bSaveAndValidate;

 private:
  int m_idLastControl = 0;
  bool m_bEditLastControl = false;
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Text(CDataExchange* pDX, int id, int32_t& value);
void DDX_Text(CDataExchange* pDX, int id, uint32_t& value);
// Check box: 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int id, int32_t& value);
// The index of the checked button of the radio group that starts at id, or -1.
void DDX_Radio(CDataExchange* pDX, int id, int32_t& value);
// Combo box and list box: the selected item's index (-1 for none), or its
// text. Loading a text selects the first item that begins with it, without
// regard to case; when none does, the selection is removed.
void DDX_CBIndex(CDataExchange* pDX, int id, int32_t& index);
void DDX_CBString(CDataExchange* pDX, int id, std::string& value);
void DDX_LBIndex(CDataExchange* pDX, int id, int32_t& index);
void DDX_LBString(CDataExchange* pDX, int id, std::string& value);
// Validation after a DDX_Text of the same field: only when saving.
void DDV_MinMaxInt(CDataExchange* pDX, int32_t value, int32_t minimum, int32_t maximum);
void DDV_MinMaxUInt(CDataExchange* pDX, uint32_t value, uint32_t minimum, uint32_t maximum);

}  // namespace vexel::win
