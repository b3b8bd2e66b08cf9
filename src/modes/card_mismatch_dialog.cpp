#include "modes/card_mismatch_dialog.h"

#include "resource.h"

namespace vexel {

CCardMismatchDialog::CCardMismatchDialog() : CDialog(IDD_CARD_MISMATCH) {}

}  // namespace vexel
