#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "core/display_mode.h"
#include "platform/display.h"
#include "sim/simulated_board_config.h"
#include "sim/simulated_miniport.h"

namespace vexel {

// A VexelHawk or VexelKite board with its display driver, as the panel sees
// them: the driver's escapes, its modes in the driver's own order, mode
// tests and switches, and the running mode behind the device capabilities.
// Its registry lives wherever the given registry seam puts HKEY_LOCAL_MACHINE.
class SimulatedBoard {
 public:
  // The mode the driver starts in when nothing valid is stored.
  static constexpr DisplayMode kStartupMode{15, 1024, 768, 60};

  SimulatedBoard(std::shared_ptr<Registry> registry, const SimulatedBoardConfig& config);

  // The driver loads: the miniport publishes its values; a running mode
  // left by an earlier run stays, as the display keeps its mode.
  void Boot();
  // The system restarts: the running mode becomes the stored start-up mode.
  void Reboot();

  // The list the driver serves now.
  const std::vector<DisplayMode>& Modes() const { return lists_[list_]; }
  bool EnumMode(std::uint32_t number, DisplayMode& out) const;
  int Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) const;
  DisplayMode RunningMode() const;
  DeviceCaps Caps() const;
  // Accepts only listed modes; a set becomes the running mode, and a driver
  // with more than one list serves the next one from then on.
  long ChangeMode(const DisplayMode& mode, bool testOnly);

 private:
  // The first listed mode equal to `mode`, where a refresh of 0 or 1 asks
  // for the hardware's default: the first refresh listed for that mode.
  std::optional<DisplayMode> FindListed(const DisplayMode& mode) const;
  // A stored mode that the board cannot show leaves it in its start-up mode.
  DisplayMode ListedOrStartup(const DisplayMode& mode) const;
  void StoreStartupModeAsRunning();
  bool Supports(std::int32_t escape) const;
  int AnswerVersion(std::span<std::uint8_t> output) const;
  int AnswerInfo(std::span<std::uint8_t> output) const;

  SimulatedBoardConfig config_;
  SimulatedMiniport miniport_;
  std::vector<std::vector<DisplayMode>> lists_;
  std::size_t list_ = 0;
};

}  // namespace vexel
