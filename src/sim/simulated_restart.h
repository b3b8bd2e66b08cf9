#pragma once

#include <memory>

#include "platform/system_restart.h"
#include "sim/simulated_board.h"

namespace vexel {

// The restart of a system with the simulated board: the board starts again
// from its stored start-up mode. Nothing else restarts, and nothing fails.
class SimulatedRestart final : public SystemRestart {
 public:
  explicit SimulatedRestart(std::shared_ptr<SimulatedBoard> board) : board_(std::move(board)) {}

  void Restart(const FailureReport&) override { board_->Reboot(); }

 private:
  std::shared_ptr<SimulatedBoard> board_;
};

}  // namespace vexel
