#include "platform/seams.h"

#include "platform/gdi_display.h"
#include "platform/win32_registry.h"
#include "platform/win32_system_restart.h"

namespace vexel {

Seams MakeProductionSeams() {
  return {std::make_shared<Win32Registry>(), std::make_shared<GdiDisplay>(), std::make_shared<Win32SystemRestart>()};
}

}  // namespace vexel
