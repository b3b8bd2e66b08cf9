// The probe's result rule and the bounded "Error" box texts.
#include <gtest/gtest.h>

#include <string>

#include "core/ascii_case.h"
#include "info/probe/error_text.h"
#include "info/probe/probe_result.h"

namespace vexel {
namespace {

TEST(ProbeResult, UpperCasesAsciiLettersOnly) {
  EXPECT_EQ(AsciiUpperCased("Mesa/X.org"), "MESA/X.ORG");
  EXPECT_EQ(AsciiUpperCased(""), "");
  // Bytes of the ANSI code page above 0x7F (here "\xE9" and "\xFC") stay as they are.
  EXPECT_EQ(AsciiUpperCased("caf\xE9 m\xFCller 4.5"), "CAF\xE9 M\xFCLLER 4.5");
}

TEST(ProbeResult, RecognisesTheMakerWordAnywhereOnceUpperCased) {
  for (const char* vendor : {"vexel", "Vexelworks Ltd.", "by vExElWORKS", "XVEXELX"}) {
    EXPECT_TRUE(IsMakersImplementation(AsciiUpperCased(vendor))) << vendor;
  }
  for (const char* vendor : {"", "Mesa/X.org", "VEXE L", "VEXE"}) {
    EXPECT_FALSE(IsMakersImplementation(AsciiUpperCased(vendor))) << vendor;
  }
  // The test is on the upper-cased text; the raw vendor alone is not enough.
  EXPECT_FALSE(IsMakersImplementation("vexel"));
}

TEST(ErrorText, FormatsLikePrintf) {
  EXPECT_EQ(FormatErrorText("Could not get an HDC for window 0x%08lX\n", 0x1234ABul),
            "Could not get an HDC for window 0x001234AB\n");
  EXPECT_EQ(FormatErrorText("Could not get a description of pixel format %d\n", -3),
            "Could not get a description of pixel format -3\n");
  EXPECT_EQ(FormatErrorText("Selecting a pixel format failed\n"), "Selecting a pixel format failed\n");
}

TEST(ErrorText, IsCutToAtMost255Characters) {
  const std::string exact(kMaxErrorTextLength, 'x');
  EXPECT_EQ(FormatErrorText("%s", exact.c_str()), exact);
  const std::string longer(1000, 'y');
  const std::string text = FormatErrorText("%s tail", longer.c_str());
  EXPECT_EQ(text, std::string(kMaxErrorTextLength, 'y'));
}

}  // namespace
}  // namespace vexel
