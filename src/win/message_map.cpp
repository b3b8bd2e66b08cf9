#include "win/message_map.h"

namespace vexel::win {

MsgKey KeyOf(const Msg& msg) {
  if (msg.message == WM_COMMAND) return {HIWORD(msg.wParam), LOWORD(msg.wParam)};
  if (msg.message == WM_NOTIFY && msg.lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(msg.lParam);
    return {header->code, static_cast<UINT>(header->idFrom)};
  }
  return {};
}

}  // namespace vexel::win
