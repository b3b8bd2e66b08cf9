#include "info/probe/gl_window_rect.h"

namespace vexel {

PixelRect GlClientRect(const GlWindowPlacement& placement, const FrameMetrics& frame) {
  // The caption's bottom border and the frame's top edge share one line.
  const int left = placement.x + frame.sizingFrameWidth;
  const int top = placement.y + frame.captionHeight + frame.sizingFrameHeight - frame.borderHeight;
  return {left, top, left + placement.width, top + placement.height};
}

}  // namespace vexel
