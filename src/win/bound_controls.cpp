#include "win/bound_controls.h"

namespace vexel::win {

void BoundControls::Bind(CWnd& control, HWND hwnd) {
  control.Attach(hwnd);
  m_controls.push_back(&control);
  control.PreSubclassWindow();
}

bool BoundControls::Offer(const Msg& msg, LRESULT& result) const {
  if (msg.message != WM_COMMAND || !msg.lParam) return false;
  const auto from = reinterpret_cast<HWND>(msg.lParam);
  for (CWnd* control : m_controls) {
    if (control->GetSafeHwnd() == from) return control->OnChildNotify(msg, result);
  }
  return false;
}

void BoundControls::DetachAll() {
  for (CWnd* control : m_controls) control->Detach();
  m_controls.clear();
}

}  // namespace vexel::win
