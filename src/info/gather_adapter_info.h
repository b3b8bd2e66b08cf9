// Gathering the adapter information: the miniport's and the display driver's
// registry values, the driver's version escape and the OpenGL text.
#pragma once
#include <string>
#include <string_view>

#include "info/adapter_info.h"
#include "info/driver_text.h"
#include "platform/display.h"
#include "platform/registry.h"

namespace vexel {

// Reads, in this order: the service key's "ImagePath"; from the device key
// (open until the end) "InstalledDisplayDrivers"; the display driver's
// version by escape 2050; the adapter, chip, DAC and miniport version texts;
// each "DefaultSettings" value from the device key, else from the
// hardware-profile key; the memory sizes. Whatever cannot be read keeps its
// initial value. UTF-16 texts become narrow text through `toNarrow`.
AdapterInfo GatherAdapterInfo(Registry& registry, Display& display, std::string_view deviceKeyPath,
                              std::string openGLText, NarrowConverter toNarrow);

}  // namespace vexel
