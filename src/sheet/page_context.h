// What the sheet hands every page when it constructs it: the sheet's state,
// the seams to the system, the collector of the failed writes of an apply and
// the one thing a page may ask of another. Pages never see the sheet.
#pragma once
#include <functional>

#include "platform/seams.h"
#include "sheet/sheet_state.h"
#include "store/driver_store.h"
#include "store/write_failures.h"

namespace vexel {

struct PageContext {
  SheetState& state;
  Seams seams;
  WriteFailures& failures;
  // Marks the About page modified. The driver's tools read the current mode
  // on the About page, which they marked modified whenever the reading took
  // the running display's mode; every reader takes that step itself.
  std::function<void()> markAboutModified;

  // The driver's stored start-up mode or the running one, for the sheet's
  // board-model name.
  CurrentModeReading ReadCurrentMode() const {
    return vexel::ReadCurrentMode(*seams.registry, *seams.display, state.m_strCardName);
  }
};

}  // namespace vexel
