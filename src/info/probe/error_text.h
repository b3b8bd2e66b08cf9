// The text of the OpenGL window component's "Error" boxes.
#pragma once
#include <cstddef>
#include <string>

namespace vexel {

inline constexpr std::size_t kMaxErrorTextLength = 255;

// printf-style formatting, cut to at most kMaxErrorTextLength characters.
[[gnu::format(printf, 1, 2)]] std::string FormatErrorText(const char* format, ...);

}  // namespace vexel
