// Where the OpenGL window's client area goes so that the outer corner of an
// overlapped window around it lands on the requested point.
#pragma once

namespace vexel {

// The requested outer top-left corner and client size, in pixels.
struct GlWindowPlacement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The system metrics that make up an overlapped window's frame.
struct FrameMetrics {
  int sizingFrameWidth = 0;   // SM_CXFRAME
  int sizingFrameHeight = 0;  // SM_CYFRAME
  int captionHeight = 0;      // SM_CYCAPTION
  int borderHeight = 0;       // SM_CYBORDER
};

struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The client rectangle, before it is enlarged to the window's outer rectangle.
PixelRect GlClientRect(const GlWindowPlacement& placement, const FrameMetrics& frame);

}  // namespace vexel
