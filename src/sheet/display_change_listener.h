// What a page implements to hear of a display change from the sheet, which
// receives WM_DISPLAYCHANGE as a top-level window. The framework's property
// page knows nothing of display changes.
#pragma once

namespace vexel {

class DisplayChangeListener {
 public:
  virtual ~DisplayChangeListener() = default;

  // The display mode changed: true when the page wants to show the change.
  // The sheet then makes it the active page and calls ShowDisplayChange.
  virtual bool TakeDisplayChange() = 0;
  virtual void ShowDisplayChange() = 0;
};

}  // namespace vexel
