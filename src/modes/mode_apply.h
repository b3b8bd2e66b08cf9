// The Settings page's apply step: the chosen mode becomes the driver's stored
// start-up mode, a taken-over application preset is stored, the running
// display switches at once where it can, and otherwise the user is offered a
// restart.
#pragma once
#include <windows.h>

#include <functional>

#include "modes/app_settings.h"
#include "core/display_mode.h"
#include "sheet/page_context.h"

namespace vexel {

struct ModeApplyRequest {
  // The mode the page shows.
  const DisplayMode& mode;
  // The taken-over preset while one is pending, else null.
  const AppSettings* appSettings;
  // The page: it owns the restart sequence's messages.
  HWND page;
  // The sheet: the restart prompt is modal to it.
  HWND sheet;
};

// Runs the apply step; `completeApply` is the framework's own apply of the
// page, whose result is returned. Never fails the apply: what could not be
// stored goes to the context's failures.
BOOL ApplyDisplayMode(const PageContext& context, const ModeApplyRequest& request,
                      const std::function<BOOL()>& completeApply);

}  // namespace vexel
