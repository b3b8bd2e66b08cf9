// The number rules behind the dialog fields' validation messages.
#include <gtest/gtest.h>

#include <cstdint>

#include "win/number_text.h"

namespace vexel::win {
namespace {

TEST(NumberText, IntegersAcceptSignAndSurroundingBlanksOnly) {
  EXPECT_EQ(ParseInt("42"), 42);
  EXPECT_EQ(ParseInt("  -17\t"), -17);
  EXPECT_EQ(ParseInt("+5"), 5);
  EXPECT_EQ(ParseInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseInt("2147483647"), INT32_MAX);
  for (const char* bad :
       {"", "   ", "12x", "x12", "1 2", "+-5", "+", "-", "0x10", "1.5", "99999999999x", "--1"}) {
    EXPECT_FALSE(ParseInt(bad).has_value()) << '"' << bad << '"';
  }
}

TEST(NumberText, PositiveIntegersRefuseAnySign) {
  EXPECT_EQ(ParseUnsigned("4294967295"), 4294967295u);
  EXPECT_EQ(ParseUnsigned(" 0 "), 0u);
  for (const char* bad : {"-1", "-0", "", "7 up", "-4294967296"}) {
    EXPECT_FALSE(ParseUnsigned(bad).has_value()) << '"' << bad << '"';
  }
}

// A number beyond 32 bits is still a number: it reads as the nearest 32-bit
// one, so the range check that follows refuses it as out of range.
TEST(NumberText, NumbersBeyondThirtyTwoBitsReadAsTheNearestLimit) {
  const struct {
    const char* text;
    int32_t asInt;
    uint32_t asUnsigned;
  } cases[] = {
      {"2147483648", INT32_MAX, 2147483648u},
      {"4294967296", INT32_MAX, UINT32_MAX},
      {" +99999999999999999999999 ", INT32_MAX, UINT32_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseInt(c.text), c.asInt) << '"' << c.text << '"';
    EXPECT_EQ(ParseUnsigned(c.text), c.asUnsigned) << '"' << c.text << '"';
  }
  EXPECT_EQ(ParseInt("-2147483649"), INT32_MIN);
  EXPECT_EQ(ParseInt("-99999999999999999999999"), INT32_MIN);
}

TEST(NumberText, RangeMessageFillsBothPlaceholders) {
  EXPECT_EQ(FormatMessage2("Please enter an integer between %1 and %2.", "-3", "255"),
            "Please enter an integer between -3 and 255.");
  EXPECT_EQ(FormatMessage2("%2%1 100% %3", "a", "b"), "ba 100% %3");
}

}  // namespace
}  // namespace vexel::win
