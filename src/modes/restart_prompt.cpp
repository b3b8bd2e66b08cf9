#include "modes/restart_prompt.h"

#include "resource.h"

namespace vexel {

CRestartPrompt::CRestartPrompt(HWND sheet) : CDialog(IDD_RESTART_PROMPT, sheet, Placement::OverOwner) {}

bool CRestartPrompt::AskRestartNow() { return DoModal() == IDC_RESTART_NOW; }

}  // namespace vexel
