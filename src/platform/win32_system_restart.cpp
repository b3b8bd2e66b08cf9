#include "platform/win32_system_restart.h"

#include <windows.h>

namespace vexel {

namespace {

// A process token, closed when it goes out of scope.
class Token {
 public:
  Token() = default;
  ~Token() {
    if (handle_) ::CloseHandle(handle_);
  }
  Token(const Token&) = delete;
  Token& operator=(const Token&) = delete;

  HANDLE* Out() { return &handle_; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_ = nullptr;
};

void ReportLastError(const SystemRestart::FailureReport& report, const char* callName) {
  report({callName, ::GetLastError()});
}

TOKEN_PRIVILEGES ShutdownPrivilege() {
  TOKEN_PRIVILEGES privileges{};
  ::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  return privileges;
}

}  // namespace

void Win32SystemRestart::Restart(const FailureReport& report) {
  Token token;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.Out())) {
    ReportLastError(report, "OpenProcessToken");
  }
  TOKEN_PRIVILEGES privileges = ShutdownPrivilege();
  if (!::AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr)) {
    ReportLastError(report, "AdjustTokenPrivileges");
  }
  if (!::ExitWindowsEx(EWX_REBOOT, 0)) ReportLastError(report, "Error ExitWindows");
}

}  // namespace vexel
