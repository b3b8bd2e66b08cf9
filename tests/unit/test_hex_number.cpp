// The hexadecimal field's rules: the conversion it shares with the C library,
// the texts it accepts and where it leaves the caret.
#include <gtest/gtest.h>

#include "options/hex_number.h"

namespace vexel {
namespace {

TEST(HexNumber, ReadsLikeTheCLibrarysUnsignedConversion) {
  const std::pair<const char*, uint32_t> cases[] = {
      {"", 0},
      {"x", 0},
      {"0x", 0},
      {"0xg", 0},
      {"1x2", 1},
      {"0x00ff", 0xFF},
      {"0X1f", 0x1F},
      {"ff", 0xFF},
      {"0x0x1", 0},
      {"123456789", 0xFFFFFFFF},
      {"FFFFFFFF", 0xFFFFFFFF},
      {"0x100000000", 0xFFFFFFFF},
      {"  \t1A", 0x1A},
      {"-1", 0xFFFFFFFF},
      {"+0x10", 0x10},
      {"00000000000000001", 1},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseHexNumber(text), value) << '"' << text << '"';
}

TEST(HexNumber, ShowsUpperCaseDigitsAfterALowerCaseX) {
  EXPECT_EQ(HexText(0), "0x0");
  EXPECT_EQ(HexText(0xABCDEF), "0xABCDEF");
  EXPECT_EQ(HexText(0xFFFFFFFF), "0xFFFFFFFF");
}

TEST(HexNumber, AcceptsOnlyHexadecimalDigitsAndALowerCaseX) {
  for (const char* good : {"", "x", "0x0123456789abcdefABCDEF", "xx"}) EXPECT_TRUE(IsAcceptableHexText(good)) << good;
  for (const char* bad : {"0X1", "0x1g", " 1", "-1", "0x\xE9", "1\n"}) EXPECT_FALSE(IsAcceptableHexText(bad)) << bad;
}

struct EditCase {
  const char* text;
  int start;
  int end;
  HexEditOutcome::Action action;
  const char* shown;
  uint32_t value;
  int shownStart;
  int shownEnd;
};

TEST(HexNumber, AnEditIsRefusedAcceptedOrLeftAloneWithTheCaretWhereItBelongs) {
  using Action = HexEditOutcome::Action;
  const EditCase cases[] = {
      {"0x1F", 4, 4, Action::None, "", 0, 0, 0},       // the field's own rewrite ends here
      {"0x01", 4, 4, Action::Accept, "0x1", 1, 4, 4},  // the caret keeps its place
      {"0x1a", 4, 4, Action::Accept, "0x1A", 0x1A, 4, 4},
      {"0x1g", 4, 4, Action::Refuse, "0x1F", 0, 3, 3},  // back over the refused character
      {"0x1Xg", 5, 5, Action::Refuse, "0x1F", 0, 4, 4},
      {"g0x1F", 1, 1, Action::Refuse, "0x1F", 0, 0, 0},
      {"0xZ", 0, 0, Action::Refuse, "0x1F", 0, 0, 0},  // set by the program: never before the text
      {"0xZ", 0, 3, Action::Refuse, "0x1F", 0, 0, 2},
      {"", 0, 0, Action::Accept, "0x0", 0, 3, 3},            // emptied: the caret at the end
      {"50x1F", 1, 1, Action::Accept, "0x50", 0x50, 4, 4},   // inside the prefix: at the end
      {"0x00ff", 6, 6, Action::Accept, "0xFF", 0xFF, 6, 6},  // the control keeps it within the text
  };
  for (const EditCase& c : cases) {
    const HexEditOutcome outcome = ValidateHexEdit(c.text, "0x1F", c.start, c.end);
    EXPECT_EQ(outcome.action, c.action) << c.text;
    if (c.action == Action::None) continue;
    EXPECT_EQ(outcome.text, c.shown) << c.text;
    EXPECT_EQ(outcome.start, c.shownStart) << c.text;
    EXPECT_EQ(outcome.end, c.shownEnd) << c.text;
    if (c.action == Action::Accept) {
      EXPECT_EQ(outcome.value, c.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace vexel
