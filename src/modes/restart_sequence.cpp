#include "modes/restart_sequence.h"

#include "win/message_box.h"

namespace vexel {

void RunRestartSequence(SystemRestart& restart, HWND owner) {
  restart.Restart(
      [owner](const RestartFailure& failure) { win::ShowMessageBox(owner, RestartFailureText(failure), MB_OK); });
}

}  // namespace vexel
