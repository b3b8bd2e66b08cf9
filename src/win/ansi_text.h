// UTF-16 (from the display driver, or the program's own version resource) in
// the program's narrow text: the system's ANSI code page.
#pragma once
#include <string>
#include <string_view>

namespace vexel {

// Characters the code page cannot show become '?' rather than a look-alike.
std::string AnsiCodePageText(std::u16string_view text);

}  // namespace vexel
