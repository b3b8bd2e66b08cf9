#include "platform/display_change.h"

#include <vector>

namespace vexel {

namespace {

std::vector<HWND> OwnTopLevelWindows() {
  std::vector<HWND> windows;
  ::EnumWindows(
      [](HWND hwnd, LPARAM found) -> BOOL {
        DWORD process = 0;
        ::GetWindowThreadProcessId(hwnd, &process);
        if (process == ::GetCurrentProcessId()) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

void PostDisplayChange(HWND target, std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height) {
  ::PostMessageA(target, WM_DISPLAYCHANGE, bitsPerPixel,
                 MAKELPARAM(static_cast<WORD>(width), static_cast<WORD>(height)));
}

void PostDisplayChangeToOwnWindows(std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height) {
  for (HWND window : OwnTopLevelWindows()) {
    PostDisplayChange(window, bitsPerPixel, width, height);
  }
}

}  // namespace vexel
