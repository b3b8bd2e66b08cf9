// CRestartPrompt: dialog 144, "Display Driver Settings", which tells the user
// that the new settings take effect after a restart and asks whether to
// restart now.
#pragma once
#include "win/dialog.h"

namespace vexel {

class CRestartPrompt : public win::CDialog {
 public:
  // Modal to `sheet`, over whose middle it is placed.
  explicit CRestartPrompt(HWND sheet);

  // Shows the prompt; true when the user chose "&Restart Now".
  bool AskRestartNow();
};

}  // namespace vexel
