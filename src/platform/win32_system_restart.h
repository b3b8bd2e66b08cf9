#pragma once

#include "platform/system_restart.h"

namespace vexel {

// The real restart: OpenProcessToken, LookupPrivilegeValueA for
// "SeShutdownPrivilege", AdjustTokenPrivileges and ExitWindowsEx(EWX_REBOOT).
// Under Wine ExitWindowsEx ends every process of the prefix.
class Win32SystemRestart final : public SystemRestart {
 public:
  void Restart(const FailureReport& report) override;
};

}  // namespace vexel
