#include "win/data_exchange.h"

#include "win/dialog.h"
#include "win/message_box.h"
#include "win/number_text.h"

namespace vexel::win {

HWND CDataExchange::PrepareCtrl(int id) {
  m_idLastControl = id;
  m_bEditLastControl = false;
  return m_pDlgWnd->GetDlgItem(id);
}

HWND CDataExchange::PrepareEditCtrl(int id) {
  HWND control = PrepareCtrl(id);
  m_bEditLastControl = true;
  return control;
}

void CDataExchange::Fail(const std::string& message) {
  ShowMessageBox(m_pDlgWnd->GetSafeHwnd(), message, MB_OK | MB_ICONEXCLAMATION);
  HWND control = m_pDlgWnd->GetDlgItem(m_idLastControl);
  if (control) {
    ::SetFocus(control);
    if (m_bEditLastControl) ::SendMessageA(control, EM_SETSEL, 0, -1);
  }
  throw DataExchangeFailure{};
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (!control.GetSafeHwnd()) pDX->m_pDlgWnd->BindControl(control, pDX->PrepareCtrl(id));
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
  HWND control = pDX->PrepareEditCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    value = WindowText(control);
  } else {
    ::SetWindowTextA(control, value.c_str());
  }
}

void DDX_Text(CDataExchange* pDX, int id, int32_t& value) {
  HWND control = pDX->PrepareEditCtrl(id);
  if (!pDX->m_bSaveAndValidate) {
    ::SetWindowTextA(control, std::to_string(value).c_str());
    return;
  }
  const auto parsed = ParseInt(WindowText(control));
  if (!parsed) pDX->Fail(kMsgEnterInteger);
  value = *parsed;
}

void DDX_Text(CDataExchange* pDX, int id, uint32_t& value) {
  HWND control = pDX->PrepareEditCtrl(id);
  if (!pDX->m_bSaveAndValidate) {
    ::SetWindowTextA(control, std::to_string(value).c_str());
    return;
  }
  const auto parsed = ParseUnsigned(WindowText(control));
  if (!parsed) pDX->Fail(kMsgEnterPositiveInteger);
  value = *parsed;
}

void DDX_Check(CDataExchange* pDX, int id, int32_t& value) {
  HWND control = pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    value = static_cast<int32_t>(::SendMessageA(control, BM_GETCHECK, 0, 0));
  } else {
    // Only the three states a check box has are shown; anything else clears it.
    if (value < 0 || value > 2) value = 0;
    ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
  }
}

void DDX_Radio(CDataExchange* pDX, int id, int32_t& value) {
  HWND control = pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) value = -1;
  for (int32_t index = 0; control; ++index) {
    if (pDX->m_bSaveAndValidate) {
      if (::SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
    } else {
      ::SendMessageA(control, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    control = ::GetWindow(control, GW_HWNDNEXT);
    if (!control || (::GetWindowLongA(control, GWL_STYLE) & WS_GROUP)) break;
  }
}

namespace {

// The messages of one kind of list control.
struct ListMessages {
  UINT getCurSel, setCurSel, selectString, getTextLength, getText;
};
constexpr ListMessages kComboBox{CB_GETCURSEL, CB_SETCURSEL, CB_SELECTSTRING, CB_GETLBTEXTLEN, CB_GETLBTEXT};
constexpr ListMessages kListBox{LB_GETCURSEL, LB_SETCURSEL, LB_SELECTSTRING, LB_GETTEXTLEN, LB_GETTEXT};

void ExchangeIndex(CDataExchange* pDX, int id, int32_t& index, const ListMessages& m) {
  HWND control = pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    index = static_cast<int32_t>(::SendMessageA(control, m.getCurSel, 0, 0));
  } else {
    ::SendMessageA(control, m.setCurSel, static_cast<WPARAM>(index), 0);
  }
}

std::string SelectedText(HWND control, const ListMessages& m) {
  const LRESULT index = ::SendMessageA(control, m.getCurSel, 0, 0);
  if (index < 0) return {};
  const LRESULT length = ::SendMessageA(control, m.getTextLength, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied =
      ::SendMessageA(control, m.getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
  return text;
}

void ExchangeString(CDataExchange* pDX, int id, std::string& value, const ListMessages& m) {
  HWND control = pDX->PrepareCtrl(id);
  if (pDX->m_bSaveAndValidate) {
    value = SelectedText(control, m);
  } else if (::SendMessageA(control, m.selectString, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(value.c_str())) <
             0) {
    ::SendMessageA(control, m.setCurSel, static_cast<WPARAM>(-1), 0);
  }
}

}  // namespace

void DDX_CBIndex(CDataExchange* pDX, int id, int32_t& index) { ExchangeIndex(pDX, id, index, kComboBox); }
void DDX_CBString(CDataExchange* pDX, int id, std::string& value) { ExchangeString(pDX, id, value, kComboBox); }
void DDX_LBIndex(CDataExchange* pDX, int id, int32_t& index) { ExchangeIndex(pDX, id, index, kListBox); }
void DDX_LBString(CDataExchange* pDX, int id, std::string& value) { ExchangeString(pDX, id, value, kListBox); }

template <class Number>
void CheckRange(CDataExchange* pDX, Number value, Number minimum, Number maximum) {
  if (!pDX->m_bSaveAndValidate || (value >= minimum && value <= maximum)) return;
  pDX->Fail(FormatMessage2(kMsgEnterIntegerBetween, std::to_string(minimum), std::to_string(maximum)));
}

void DDV_MinMaxInt(CDataExchange* pDX, int32_t value, int32_t minimum, int32_t maximum) {
  CheckRange(pDX, value, minimum, maximum);
}

void DDV_MinMaxUInt(CDataExchange* pDX, uint32_t value, uint32_t minimum, uint32_t maximum) {
  CheckRange(pDX, value, minimum, maximum);
}

}  // namespace vexel::win
