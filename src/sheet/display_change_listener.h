// What a page implements to hear of a display change from the sheet, which
// receives WM_DISPLAYCHANGE as a top-level window. The framework's property
// page knows nothing of display changes.
#pragma once

namespace vexel {

class DisplayChangeListener {
 public:
  virtual ~DisplayChangeListener() = default;

  // The display mode changed: the page takes what it needs at once, also
  // while a modal window of the panel is open.
  virtual void TakeDisplayChange() = 0;
  // Once no modal window of the panel is open, the sheet makes the page the
  // active one and has it show the change; several changes are shown once.
  virtual void ShowDisplayChange() = 0;
};

}  // namespace vexel
