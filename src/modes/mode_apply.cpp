#include "modes/mode_apply.h"

#include "modes/apply_steps.h"
#include "modes/restart_prompt.h"
#include "modes/restart_sequence.h"

namespace vexel {

BOOL ApplyDisplayMode(const PageContext& context, const ModeApplyRequest& request,
                      const std::function<BOOL()>& completeApply) {
  const SheetState& state = context.state;
  Registry& registry = *context.seams.registry;
  const CurrentModeReading current = context.ReadCurrentMode();
  if (current.running) context.markAboutModified();
  const DisplayMode& stored = current.mode;
  // Nothing that was not stored can need a restart.
  bool restartNeeded = DefaultModeNeedsStoring(stored, request.mode, state.m_strCardName) &&
                       StoreDefaultMode(registry, state.m_strRegistryPath, request.mode, context.failures);
  if (request.appSettings &&
      StorePendingPreset(registry, state.m_strRegistryPath, *request.appSettings, context.failures)) {
    restartNeeded = true;
  }
  const BOOL result = completeApply();
  // Setting the mode reloads the display driver, which then reads the stored
  // values too; with a card name the running display is not the driver's to switch.
  if (restartNeeded && state.m_strCardName.empty() && SwitchDisplayMode(*context.seams.display, request.mode)) {
    restartNeeded = false;
  }
  if (restartNeeded && CRestartPrompt(request.sheet).AskRestartNow()) {
    RunRestartSequence(*context.seams.restart, request.page);
  }
  return result;
}

}  // namespace vexel
