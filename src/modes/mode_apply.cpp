#include "modes/mode_apply.h"

#include "modes/apply_steps.h"
#include "modes/restart_prompt.h"
#include "modes/restart_sequence.h"

namespace vexel {

BOOL ApplyDisplayMode(const PageContext& context, const ModeApplyRequest& request,
                      const std::function<BOOL()>& completeApply) {
  const SheetState& state = context.state;
  Registry& registry = *context.seams.registry;
  const DisplayMode stored = context.readCurrentMode(state.m_strCardName);
  // Nothing that was not stored can need a restart.
  bool modeNeedsRestart = DefaultModeNeedsStoring(stored, request.mode, state.m_strCardName) &&
                          StoreDefaultMode(registry, state.m_strRegistryPath, request.mode, context.failures);
  // The preset's values are taken by the driver when it loads, so switching
  // the running display does not settle them.
  const bool presetNeedsRestart =
      request.appSettings &&
      StoreAppSettings(registry, state.m_strRegistryPath, *request.appSettings, context.failures);
  const BOOL result = completeApply();
  // With a card name the running display is not the driver's to switch.
  if (modeNeedsRestart && state.m_strCardName.empty() && SwitchDisplayMode(*context.seams.display, request.mode)) {
    modeNeedsRestart = false;
  }
  if ((modeNeedsRestart || presetNeedsRestart) && CRestartPrompt(request.sheet).AskRestartNow()) {
    RunRestartSequence(*context.seams.restart, request.page);
  }
  return result;
}

}  // namespace vexel
