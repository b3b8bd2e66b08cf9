// CCardMismatchDialog: "Vexelworks  Card" (dialog 145), asked before the
// adapter type changes while a card name is set. OK ("&Yes") goes on; any
// other end, closing the window included, keeps the previous type.
#pragma once
#include "win/dialog.h"

namespace vexel {

class CCardMismatchDialog : public win::CDialog {
 public:
  // Modal to `sheet`, over whose middle it is placed.
  explicit CCardMismatchDialog(HWND sheet);
};

}  // namespace vexel
