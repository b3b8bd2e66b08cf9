#pragma once

#include <windows.h>

#include <cstdint>

namespace vexel {

// Posts WM_DISPLAYCHANGE with wParam `bitsPerPixel` and lParam the width in
// the low word and the height in the high word. Posted, not sent, so a
// receiver handles it when its thread next reads messages.
void PostDisplayChange(HWND target, std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height);

// The same to every top-level window of this process and to no other.
void PostDisplayChangeToOwnWindows(std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height);

}  // namespace vexel
