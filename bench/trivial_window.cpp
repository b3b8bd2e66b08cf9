// The baseline for the start-up benchmarks: the least a Win32 program does to
// put a window on the screen. It shows "Trivial Window" and ends when the
// window is closed, or at once with the argument "exit", as a quiet run does.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int) {
  HWND window = ::CreateWindowExA(0, "STATIC", "Trivial Window", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 200,
                                  nullptr, nullptr, instance, nullptr);
  MSG msg;
  if (std::strcmp(arguments, "exit") == 0) {
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::DestroyWindow(window);
    return 0;
  }
  while (::IsWindow(window) && ::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
  return 0;
}
