#include "app/command_line.h"

namespace vexel {
namespace {

// The C library's white space in the "C" locale; bytes above 0x7F never are.
bool IsWhiteSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::optional<size_t> Find(std::string_view upper, char mark, char letter) {
  const char pattern[] = {' ', mark, letter};
  const size_t found = upper.find(std::string_view(pattern, sizeof(pattern)));
  if (found == std::string_view::npos) return std::nullopt;
  return found;
}

std::optional<std::string> ValueOf(std::string_view upper, std::string_view source, char letter) {
  const auto blank = FindSwitch(upper, letter);
  if (!blank) return std::nullopt;
  return SwitchValue(source, *blank);
}

}  // namespace

std::optional<size_t> FindSwitch(std::string_view upper, char letter) {
  if (auto dash = Find(upper, '-', letter)) return dash;
  return Find(upper, '/', letter);
}

std::string SwitchValue(std::string_view text, size_t blank) {
  size_t at = blank + 1;
  while (at < text.size() && !IsWhiteSpace(text[at])) ++at;  // the switch word
  while (at < text.size() && IsWhiteSpace(text[at])) ++at;
  if (at >= text.size()) return {};
  if (text[at] == '"') {
    const size_t start = at + 1;
    const size_t end = text.find('"', start);
    return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
  }
  size_t end = at;
  while (end < text.size() && !IsWhiteSpace(text[end])) ++end;
  return std::string(text.substr(at, end - at));
}

CommandLineSwitches ParseCommandLine(const CommandLineText& commandLine) {
  const std::string_view upper = commandLine.upper;
  CommandLineSwitches switches;
  switches.quiet = FindSwitch(upper, 'Q').has_value();
  switches.noOpenGLProbe = FindSwitch(upper, 'N').has_value();
  switches.cardName = ValueOf(upper, upper, 'S');
  switches.exportFile = ValueOf(upper, upper, 'F');
  switches.registryPath = ValueOf(upper, commandLine.asTyped, 'P');
  return switches;
}

}  // namespace vexel
