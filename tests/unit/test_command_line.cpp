// The command line's switch search and value rule.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/command_line.h"

namespace vexel {
namespace {

// ASCII upper-casing stands in for the code page's here.
CommandLineSwitches Parse(const std::string& typed) {
  CommandLineText text{typed, typed};
  std::transform(text.upper.begin(), text.upper.end(), text.upper.begin(),
                 [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
  return ParseCommandLine(text);
}

constexpr const char* kProgram = "C:\\Vexel\\vexelpanel.exe";

TEST(CommandLine, FlagsMatchOnTheirFirstLetterInAnyCaseAfterABlank) {
  EXPECT_TRUE(Parse(std::string(kProgram) + " -q").quiet);
  EXPECT_TRUE(Parse(std::string(kProgram) + " /Quiet").quiet);
  EXPECT_TRUE(Parse(std::string(kProgram) + " -nogl").noOpenGLProbe);
  EXPECT_FALSE(Parse(std::string(kProgram) + " -nogl").quiet);
  EXPECT_FALSE(Parse("-q").quiet);                            // at the very start: no blank before it
  EXPECT_FALSE(Parse(std::string(kProgram) + "\t-q").quiet);  // a tab is not a blank
  EXPECT_FALSE(Parse(std::string(kProgram) + " q").quiet);
  // The program path is searched too.
  EXPECT_TRUE(Parse("C:\\My -Quick Tools\\vexelpanel.exe").quiet);
}

TEST(CommandLine, ValuesOfSAndFAreUpperCasedWhilePKeepsItsCase) {
  const auto switches =
      Parse(std::string(kProgram) + " -S VexelHawk -P System\\CurrentControlSet\\Services\\Vexel3D\\Device0 -q");
  EXPECT_EQ(switches.cardName, "VEXELHAWK");
  EXPECT_EQ(switches.registryPath, "System\\CurrentControlSet\\Services\\Vexel3D\\Device0");
  EXPECT_TRUE(switches.quiet);
  EXPECT_EQ(Parse(std::string(kProgram) + " -F c:\\out\\info.bat").exportFile, "C:\\OUT\\INFO.BAT");
  EXPECT_FALSE(Parse(kProgram).cardName.has_value());
  EXPECT_FALSE(Parse(kProgram).registryPath.has_value());
}

TEST(CommandLine, QuotedValuesKeepBlanksAndAnOpenQuoteRunsToTheEnd) {
  EXPECT_EQ(Parse(std::string(kProgram) + " -f \"my info.bat\" -q").exportFile, "MY INFO.BAT");
  EXPECT_EQ(Parse(std::string(kProgram) + " -p \"Key With Blanks").registryPath, "Key With Blanks");
  EXPECT_EQ(Parse(std::string(kProgram) + " -p \"\" -q").registryPath, "");
}

TEST(CommandLine, AValueGluedToTheSwitchBelongsToTheSwitchWord) {
  EXPECT_EQ(Parse(std::string(kProgram) + " -Sfoo bar").cardName, "BAR");
  EXPECT_EQ(Parse(std::string(kProgram) + " -Sfoo").cardName, "");
  EXPECT_EQ(Parse(std::string(kProgram) + " -s").cardName, "");
  EXPECT_EQ(Parse(std::string(kProgram) + " -s   \t ").cardName, "");
  EXPECT_EQ(Parse(std::string(kProgram) + " -s \t\n foo\tbar").cardName, "FOO");
}

TEST(CommandLine, DashFormWinsAndTheFirstOccurrenceCounts) {
  EXPECT_EQ(Parse(std::string(kProgram) + " /s kite -s hawk").cardName, "HAWK");
  EXPECT_EQ(Parse(std::string(kProgram) + " -s one -s two").cardName, "ONE");
  EXPECT_EQ(Parse(std::string(kProgram) + " /s slash").cardName, "SLASH");
}

TEST(CommandLine, ASwitchInsideAnotherSwitchsQuotedValueIsFoundAsWell) {
  const auto switches = Parse(std::string(kProgram) + " -f \"out -Pfile.bat\" -p Real");
  EXPECT_EQ(switches.exportFile, "OUT -PFILE.BAT");
  // " -Pfile.bat\"" is the first " -P": its word runs to the next white space.
  EXPECT_EQ(switches.registryPath, "-p");
}

TEST(CommandLine, BytesAboveAsciiAreNeverWhiteSpace) {
  EXPECT_EQ(Parse(std::string(kProgram) + " -s Vexel\xA0Hawk").cardName, "VEXEL\xA0HAWK");
  EXPECT_EQ(Parse(std::string(kProgram) + " -s \xFFname").cardName, "\xFFNAME");
}

}  // namespace
}  // namespace vexel
