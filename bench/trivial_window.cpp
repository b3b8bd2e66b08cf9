// The baseline for start-up benchmarks: the least a Win32 program does to put
// a window on the screen. It shows "Trivial Window" and ends when closed.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND window = ::CreateWindowExA(0, "STATIC", "Trivial Window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200,
                                  nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (::IsWindow(window) && ::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
  return 0;
}
