// What the Wine tests know about message boxes and waiting for windows.
#pragma once
#include <windows.h>

#include <chrono>
#include <string>

namespace vexel::test {

// The static that holds a message box's text.
inline constexpr int kMessageBoxTextId = 0xFFFF;
inline constexpr int kMessageBoxIconId = 1088;

// A visible dialog of the message box kind.
bool IsMessageBox(HWND hwnd);

// A window's class name, empty for no window.
std::string ClassOf(HWND hwnd);

// Polls until `done` holds; false after the time-out.
template <class Predicate>
bool PollUntil(std::chrono::milliseconds timeout, Predicate done) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    ::Sleep(20);
  }
  return true;
}

// Closes the box with the button and waits until it is gone; returns its text.
std::string CloseMessageBox(HWND box, int button, std::chrono::milliseconds timeout);

}  // namespace vexel::test
