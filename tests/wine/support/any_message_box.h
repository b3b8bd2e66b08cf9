// Answers a message box shown by any thread of this process, such as a worker
// thread's, which a UiDriver (bound to its UI thread) does not look at.
#pragma once
#include <windows.h>

#include <chrono>
#include <string>

namespace vexel::test {

struct AnsweredBox {
  std::string text;
  std::string caption;
  // The owner's window class, empty for a box without an owner.
  std::string ownerClass;
};

// Waits for a visible message box of this process, closes it with the button
// and tells what it showed; the text is "<no message box>" after the time-out.
AnsweredBox AnswerAnyMessageBox(int button = IDOK, std::chrono::milliseconds timeout = std::chrono::seconds(20));

}  // namespace vexel::test
