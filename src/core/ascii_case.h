// Letter case of ASCII, which every ANSI code page shares. Registry names, the
// driver's identifiers and the OpenGL vendor compare this way; bytes above
// 0x7F are left as they are.
#pragma once
#include <string>
#include <string_view>

namespace vexel {

constexpr char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string AsciiUpperCased(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = AsciiUpper(c);
  return upper;
}

inline std::string AsciiLowerCased(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = AsciiLower(c);
  return lower;
}

}  // namespace vexel
