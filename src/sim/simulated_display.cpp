#include "sim/simulated_display.h"

#include "platform/display_change.h"
#include "platform/gdi_display.h"

namespace vexel {

bool SimulatedDisplay::EnumMode(std::uint32_t number, DisplayMode& out) { return board_->EnumMode(number, out); }

int SimulatedDisplay::Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) {
  return board_->Escape(code, input, output);
}

DeviceCaps SimulatedDisplay::Caps() { return board_->Caps(); }

long SimulatedDisplay::ChangeMode(const DisplayMode& mode, bool testOnly) {
  const long result = board_->ChangeMode(mode, testOnly);
  if (result == kDispChangeSuccessful && !testOnly) {
    const DeviceCaps caps = board_->Caps();
    PostDisplayChangeToOwnWindows(static_cast<std::uint32_t>(caps.bitsPerPixel), caps.width, caps.height);
  }
  return result;
}

void SimulatedDisplay::BroadcastDisplayChange(std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height) {
  PostDisplayChangeToOwnWindows(bitsPerPixel, width, height);
}

VersionInfo SimulatedDisplay::Version() { return QuerySystemVersion(); }

}  // namespace vexel
