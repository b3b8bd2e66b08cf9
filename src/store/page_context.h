// What the sheet hands every page when it constructs it: the sheet's state,
// the seams to the system, the current-mode reading as the sheet does it and
// the collector of the failed writes of an apply. Pages never see the sheet.
#pragma once
#include <functional>
#include <string>

#include "core/display_mode.h"
#include "core/sheet_state.h"
#include "platform/seams.h"
#include "store/write_failures.h"

namespace vexel {

struct PageContext {
  SheetState& state;
  Seams seams;
  // The driver's stored start-up mode or the running one, for a card name.
  std::function<DisplayMode(const std::string& cardName)> readCurrentMode;
  WriteFailures& failures;
};

}  // namespace vexel
