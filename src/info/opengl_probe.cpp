#include "info/opengl_probe.h"

#include "info/probe_result.h"

namespace vexel {

std::optional<std::string> RunOpenGlProbe(std::shared_ptr<COglInfo> probe, DWORD waitMs) {
  if (!probe->CreateThread(THREAD_PRIORITY_NORMAL)) return std::nullopt;
  if (!probe->CompletionEvent().Wait(waitMs)) return std::string(kOpenGlTimedOutText);
  return probe->Result();
}

}  // namespace vexel
