// Starting the OpenGL probe during start-up and waiting for its answer.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "info/ogl_info.h"

namespace vexel {

inline constexpr DWORD kOpenGlProbeWaitMs = 10000;

// Starts the probe's thread with normal priority and waits for its signal at
// most `waitMs`. Gives the probe's text when it signalled in time, the
// time-out text when it did not (the late probe then finishes and frees
// itself on its own thread), and nothing when the thread could not be
// started, so the caller keeps the text it has.
std::optional<std::string> RunOpenGlProbe(std::shared_ptr<COglInfo> probe, DWORD waitMs = kOpenGlProbeWaitMs);

}  // namespace vexel
