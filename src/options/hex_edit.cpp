#include "options/hex_edit.h"

#include "options/hex_number.h"

namespace vexel {

CHexEdit::CHexEdit() : m_strLastValid(HexText(m_dwValue)) {}

void CHexEdit::PreSubclassWindow() {
  if (!GetWindowText().empty()) return;
  m_strLastValid = HexText(m_dwValue);
  SetWindowText(m_strLastValid);
}

bool CHexEdit::OnChildNotify(const win::Msg& msg, LRESULT& result) {
  if (HIWORD(msg.wParam) != EN_CHANGE) return false;
  OnTextChanged();
  result = 0;
  return true;
}

void CHexEdit::OnTextChanged() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const HexEditOutcome outcome =
      ValidateHexEdit(GetWindowText(), m_strLastValid, static_cast<int>(start), static_cast<int>(end));
  switch (outcome.action) {
    case HexEditOutcome::Action::None:
      return;
    case HexEditOutcome::Action::Refuse:
      ::MessageBeep(0xFFFFFFFF);
      break;
    case HexEditOutcome::Action::Accept:
      m_dwValue = outcome.value;
      m_strLastValid = outcome.text;
      break;
  }
  // The rewrite changes the text again; that change equals the last valid text.
  SetWindowText(outcome.text);
  SetSel(outcome.start, outcome.end);
  SendMessage(EM_SCROLLCARET);
}

}  // namespace vexel
