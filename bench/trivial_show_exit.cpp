// The baseline for the quiet export's benchmark: the least a Win32 program
// does to start, show a window and end by itself, as a quiet run does.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND window = ::CreateWindowExA(0, "STATIC", "Trivial Window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200,
                                  nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  ::DestroyWindow(window);
  return 0;
}
