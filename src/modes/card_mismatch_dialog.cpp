#include "modes/card_mismatch_dialog.h"

#include "resource.h"

namespace vexel {

CCardMismatchDialog::CCardMismatchDialog(HWND sheet) : CDialog(IDD_CARD_MISMATCH, sheet, Placement::OverOwner) {}

}  // namespace vexel
