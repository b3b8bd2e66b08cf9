#pragma once

#include <memory>

#include "platform/display.h"
#include "sim/simulated_board.h"

namespace vexel {

// The display seam with the simulated board in place of the screen's
// driver. Its WM_DISPLAYCHANGE messages go to this program's own top-level
// windows only; the system version is the real one.
class SimulatedDisplay final : public Display {
 public:
  explicit SimulatedDisplay(std::shared_ptr<SimulatedBoard> board) : board_(std::move(board)) {}

  bool EnumMode(std::uint32_t number, DisplayMode& out) override;
  int Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) override;
  DeviceCaps Caps() override;
  // A successful set is announced as the system would announce it.
  long ChangeMode(const DisplayMode& mode, bool testOnly) override;
  void BroadcastDisplayChange(std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height) override;
  VersionInfo Version() override;

 private:
  std::shared_ptr<SimulatedBoard> board_;
};

}  // namespace vexel
