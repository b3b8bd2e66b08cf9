// The restart that the restart prompt offers.
#pragma once
#include <windows.h>

#include "platform/system_restart.h"

namespace vexel {

// Restarts the system through the restart seam. A step that fails is told in
// a message box owned by `owner`, and the sequence goes on with the next.
void RunRestartSequence(SystemRestart& restart, HWND owner);

}  // namespace vexel
