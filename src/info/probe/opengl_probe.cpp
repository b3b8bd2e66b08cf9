#include "info/probe/opengl_probe.h"

#include "info/probe/gl_api.h"
#include "info/probe/ogl_info.h"

namespace vexel {

std::optional<std::string> ProbeOpenGlImplementation(std::shared_ptr<Registry> registry) {
  return RunOpenGlProbe(std::make_shared<COglInfo>(std::move(registry), std::make_shared<WglApi>()));
}

}  // namespace vexel
