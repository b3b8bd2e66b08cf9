// The OpenGL probe as start-up runs it: which OpenGL implementation serves
// this machine, asked from a worker thread's one-pixel OpenGL window. The
// thread, its window and the WGL calls behind them stay inside this folder.
#pragma once
#include <memory>
#include <optional>
#include <string>

#include "platform/registry.h"

namespace vexel {

// The probe's text, or the time-out text when it did not answer within
// 10 seconds; nothing when it could not be started. The registry gives the
// user's colour settings back should the probe's window have taken them over.
std::optional<std::string> ProbeOpenGlImplementation(std::shared_ptr<Registry> registry);

}  // namespace vexel
