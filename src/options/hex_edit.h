// CHexEdit: an edit control that holds one unsigned 32-bit number and shows
// it as "0x" and upper-case hexadecimal digits. Every change of its text is
// checked at once: a text that cannot be such a number is refused with a
// beep, any other is rewritten into the normal form. It consumes its change
// notification; its dialog listens to the update notification instead.
#pragma once
#include <cstdint>
#include <string>

#include "win/edit.h"

namespace vexel {

class CHexEdit : public win::CEdit {
 public:
  CHexEdit();

  // The number last accepted.
  uint32_t m_dwValue = 0;
  // The text the field itself last showed, always the normal form of a number.
  std::string m_strLastValid;

 protected:
  // An empty control gets the normal form of the value.
  void PreSubclassWindow() override;
  bool OnChildNotify(const win::Msg& msg, LRESULT& result) override;

 private:
  void OnTextChanged();
};

}  // namespace vexel
