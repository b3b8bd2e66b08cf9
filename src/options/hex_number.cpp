#include "options/hex_number.h"

#include <algorithm>
#include <cstdio>

namespace vexel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

uint32_t ParseHexNumber(std::string_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  const bool negative = at < text.size() && text[at] == '-';
  if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
  // The prefix counts only when a digit follows it: "0x" alone reads as 0.
  if (at + 2 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
      HexDigit(text[at + 2]) >= 0) {
    at += 2;
  }
  uint64_t value = 0;
  bool overflow = false;
  for (; at < text.size() && HexDigit(text[at]) >= 0; ++at) {
    value = value * 16 + static_cast<uint64_t>(HexDigit(text[at]));
    if (value > UINT32_MAX) {
      overflow = true;
      value = UINT32_MAX;
    }
  }
  if (overflow) return UINT32_MAX;
  const auto number = static_cast<uint32_t>(value);
  return negative ? 0u - number : number;
}

std::string HexText(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof(text), "0x%lX", static_cast<unsigned long>(value));
  return text;
}

bool IsAcceptableHexText(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == 'x' || HexDigit(c) >= 0; });
}

HexEditOutcome ValidateHexEdit(std::string_view text, std::string_view lastValidText, int start, int end) {
  HexEditOutcome outcome;
  if (text == lastValidText) return outcome;
  if (!IsAcceptableHexText(text)) {
    outcome.action = HexEditOutcome::Action::Refuse;
    outcome.text = lastValidText;
    // The caret steps back over the refused character, but never before the
    // text: a change at position 0 (a text the program set) has none to undo.
    outcome.start = std::max(start - 1, 0);
    outcome.end = std::max(end - 1, 0);
    return outcome;
  }
  outcome.action = HexEditOutcome::Action::Accept;
  outcome.value = ParseHexNumber(text);
  outcome.text = HexText(outcome.value);
  // An edit inside the "0x" puts the caret at the end of the new text.
  if (start < 2) start = end = static_cast<int>(outcome.text.size());
  outcome.start = start;
  outcome.end = end;
  return outcome;
}

}  // namespace vexel
