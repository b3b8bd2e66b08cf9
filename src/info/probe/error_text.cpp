#include "info/probe/error_text.h"

#include <cstdarg>
#include <cstdio>

namespace vexel {

std::string FormatErrorText(const char* format, ...) {
  char text[kMaxErrorTextLength + 1] = {};
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof(text), format, arguments);
  va_end(arguments);
  return text;
}

}  // namespace vexel
