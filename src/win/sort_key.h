// The system's sort keys: byte strings whose byte-by-byte order is the order
// in which the system compares the texts they were made from.
#pragma once
#include <string>

namespace vexel::win {

// The user's locale's key for `text`, ignoring case: keys compare as
// lstrcmpiA compares the texts. Making a key once per text and comparing
// keys is far cheaper than comparing the texts again and again.
std::string CaseInsensitiveSortKey(const std::string& text);

}  // namespace vexel::win
