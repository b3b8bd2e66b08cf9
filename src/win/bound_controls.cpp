#include "win/bound_controls.h"

namespace vexel::win {

void BoundControls::Bind(CWnd& control, HWND hwnd) {
  control.Attach(hwnd);
  controls_.push_back(&control);
  control.PreSubclassWindow();
}

bool BoundControls::Offer(const Msg& msg, LRESULT& result) const {
  if (msg.message != WM_COMMAND || !msg.lParam) return false;
  const auto from = reinterpret_cast<HWND>(msg.lParam);
  for (CWnd* control : controls_) {
    if (control->GetSafeHwnd() == from) return control->OnChildNotify(msg, result);
  }
  return false;
}

void BoundControls::DetachAll() {
  for (CWnd* control : controls_) control->Detach();
  controls_.clear();
}

}  // namespace vexel::win
