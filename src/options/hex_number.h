// The rules of the hexadecimal entry field, apart from the edit control: which
// texts it accepts, how it reads a number and shows it, and where the caret
// goes after an edit. Portable, so every rule is tested natively.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vexel {

// Reads a number as the C library's unsigned conversion in base 16 does with
// a 32-bit unsigned long: leading blanks, an optional sign (a minus negates),
// an optional "0x" or "0X" before a digit, then digits up to the first other
// character; no digits give 0 and a number beyond 32 bits 0xFFFFFFFF.
uint32_t ParseHexNumber(std::string_view text);

// "0x" and the upper-case digits without leading zeros ("0x0" for zero).
std::string HexText(uint32_t value);

// Whether the field lets a text stand: only the hexadecimal digits and a
// lower-case x, so an empty text passes and an upper-case X does not.
bool IsAcceptableHexText(std::string_view text);

// What the field does after its text changed to `text`, the selection then
// being (start, end).
struct HexEditOutcome {
  enum class Action { None, Refuse, Accept } action = Action::None;
  // Refuse: the last valid text comes back; Accept: the new normal form.
  std::string text;
  uint32_t value = 0;
  int start = 0;
  int end = 0;
};
HexEditOutcome ValidateHexEdit(std::string_view text, std::string_view lastValidText, int start, int end);

}  // namespace vexel
