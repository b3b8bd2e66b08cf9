#include "win/module.h"

#include <vector>

namespace vexel::win {

HINSTANCE ResourceModule() { return ::GetModuleHandleA(nullptr); }

std::string LoadResourceString(UINT id) {
  // String-table entries hold at most 4097 characters; grow until it fits.
  for (int size = 256; size <= 8192; size *= 2) {
    std::vector<char> buffer(static_cast<size_t>(size));
    const int length = ::LoadStringA(ResourceModule(), id, buffer.data(), size);
    if (length < size - 1) return std::string(buffer.data(), static_cast<size_t>(length > 0 ? length : 0));
  }
  return {};
}

}  // namespace vexel::win
