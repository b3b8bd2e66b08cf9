#include "win/sort_key.h"

#include <windows.h>

namespace vexel::win {

std::string CaseInsensitiveSortKey(const std::string& text) {
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const int length = static_cast<int>(text.size());
  // Most keys fit here, so the key is allocated once, at its size.
  char buffer[512];
  const int size = ::LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), length, buffer, sizeof(buffer));
  if (size > 0) return std::string(buffer, static_cast<size_t>(size));
  std::string key(static_cast<size_t>(::LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), length, nullptr, 0)),
                  '\0');
  key.resize(static_cast<size_t>(
      ::LCMapStringA(LOCALE_USER_DEFAULT, kFlags, text.data(), length, key.data(), static_cast<int>(key.size()))));
  return key;
}

}  // namespace vexel::win
