// Drives a modal user interface from a second thread, the way a user would:
// the test thread runs the modal loop (a sheet's DoModal, a dialog), while a
// UiDriver thread waits for windows, runs steps on the UI thread and answers
// message boxes.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace vexel::test {

class UiDriver {
 public:
  // Made on the UI thread: the steps run there.
  UiDriver();
  ~UiDriver();
  UiDriver(const UiDriver&) = delete;
  UiDriver& operator=(const UiDriver&) = delete;

  // Starts the script on its own thread; the UI thread then enters its modal loop.
  // When the test has failed by the time the script ends (an assertion that
  // returned from the script early, say), the driver closes every window
  // still open on the UI thread, so the modal loop ends and the test fails at
  // once instead of hanging until its time limit.
  void Start(std::function<void(UiDriver&)> script);
  // Waits for the script to end (call after the modal loop returned).
  void Join();

  // Runs a step on the UI thread and waits for it, also while a modal loop
  // (message box, dialog) runs there.
  void OnUi(const std::function<void()>& step) const;

  // A visible top-level window of the UI thread with this caption, or null
  // after the time-out.
  HWND WaitForWindow(const std::string& caption, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
  // Waits for a message box, returns its text and closes it with the button.
  std::string AnswerMessageBox(int button = IDOK, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
  // The UI thread's focus window once no message box is open and the thread
  // is back in a message loop, so whatever ran after a closed box has run
  // (null after the time-out).
  HWND FocusWhenSettled(std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
  // The focus as a message posted now finds it: whatever was posted to the UI
  // thread before has run, or opened the modal loop that ran this one.
  HWND FocusAfterPosted(std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;
  // Whether a message box is open on the UI thread now, and how many are.
  bool MessageBoxOpen() const;
  int MessageBoxesOpen() const;

  DWORD UiThreadId() const { return m_uiThread; }

 private:
  static LRESULT CALLBACK InvokerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Cancels the UI thread's open windows, innermost first; false if some are
  // still open after the time-out.
  bool CloseWhatIsOpen(std::chrono::milliseconds timeout) const;

  DWORD m_uiThread;
  HWND m_invoker;
  std::thread m_script;
};

// The text of a window's child control.
std::string ChildText(HWND parent, int id);

}  // namespace vexel::test
