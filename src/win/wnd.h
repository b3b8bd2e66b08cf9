// CWnd: a non-owning wrapper of a window handle, the base of every window
// class of the framework, with the message dispatch that message maps plug into.
#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

namespace vexel::win {

// One window message as it reached a window procedure.
struct Msg {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

template <class T>
struct MsgEntry;

class CWnd {
 public:
  CWnd() = default;
  explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  void Attach(HWND hwnd) { m_hWnd = hwnd; }
  HWND Detach();

  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  HWND GetParent() const { return ::GetParent(m_hWnd); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageA(m_hWnd, message, wParam, lParam);
  }
  void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
  std::string GetWindowText() const;
  void SetDlgItemText(int id, const std::string& text) const { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }
  std::string GetDlgItemText(int id) const;
  void EnableWindow(bool enable) const { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
  bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }

  // Sends the message to every child window, and to their children.
  void SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam) const;

  // Where the window procedures send a message: the class's message map
  // first, then the framework's own handling; true when it was handled.
  bool Dispatch(const Msg& msg, LRESULT& result);

  // Run once the object is bound to a control of a dialog (win/bound_controls.h).
  virtual void PreSubclassWindow() {}
  // A notification of the bound control itself, offered by its dialog before
  // the dialog's own handlers; true when handled, so the dialog never sees it.
  virtual bool OnChildNotify(const Msg&, LRESULT&) { return false; }

  // Creates a window of a class registered with RegisterWindowClass for this
  // object: its messages reach Dispatch from WM_NCCREATE on, and the object
  // lets go of the handle when the window is gone.
  bool CreateEx(DWORD exStyle, const char* className, const std::string& title, DWORD style, const RECT& outer,
                HWND parent);

 protected:
  // The framework class's own handling of what the message map left.
  virtual bool OnWndMsg(const Msg& msg, LRESULT& result);
  // Gives the object its class's message map (win/message_map.h).
  template <class T, std::size_t N>
  void SetMessageMap(const MsgEntry<T> (&map)[N]);

  HWND m_hWnd = nullptr;

 private:
  std::function<bool(const Msg&, LRESULT&)> m_messageMap;

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  friend bool RegisterWindowClass(WNDCLASSA windowClass);
};

// Registers a window class whose windows are CWnd objects made by CreateEx
// (the framework supplies the window procedure). A class this process
// registered before counts as registered.
bool RegisterWindowClass(WNDCLASSA windowClass);

// The text of any window, whatever its length.
std::string WindowText(HWND hwnd);

}  // namespace vexel::win
