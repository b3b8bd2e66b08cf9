// The panel's five command-line switches, found in the whole command line as
// the system gives it (program path first).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace vexel {

// The command line as typed and its upper-cased copy (same length, upper-cased
// in the ANSI code page by the caller).
struct CommandLineText {
  std::string asTyped;
  std::string upper;
};

// The position of the blank before the switch: " -X" first, " /X" only when
// the dash form is absent; the first occurrence counts. `letter` is upper case.
std::optional<size_t> FindSwitch(std::string_view upper, char letter);

// The value that follows the switch word at `blank` in `text`: after white
// space, a quoted text up to the next quote (or the end), else a word up to
// the next white space. Empty when the text ends first.
std::string SwitchValue(std::string_view text, size_t blank);

// What the five switches say; a value switch that is absent is nullopt.
struct CommandLineSwitches {
  bool quiet = false;                       // Q
  bool noOpenGLProbe = false;               // N
  std::optional<std::string> cardName;      // S, upper case
  std::optional<std::string> exportFile;    // F, upper case
  std::optional<std::string> registryPath;  // P, as typed
};

CommandLineSwitches ParseCommandLine(const CommandLineText& commandLine);

}  // namespace vexel
