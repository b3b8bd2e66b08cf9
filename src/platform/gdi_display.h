#pragma once

#include "platform/display.h"

namespace vexel {

// The display seam over GDI and USER: the screen's device context, the
// current display device's modes, ChangeDisplaySettingsA and a
// WM_DISPLAYCHANGE posted to every top-level window.
class GdiDisplay final : public Display {
 public:
  bool EnumMode(std::uint32_t number, DisplayMode& out) override;
  int Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) override;
  DeviceCaps Caps() override;
  long ChangeMode(const DisplayMode& mode, bool testOnly) override;
  void BroadcastDisplayChange(std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height) override;
  VersionInfo Version() override;
};

// GetVersionExA, shared with the simulated display, which stands in for the
// board's driver but not for the system.
VersionInfo QuerySystemVersion();

}  // namespace vexel
