#include "store/default_settings.h"

#include "platform/registry.h"

namespace vexel {

void ReadDefaultSettings(const RegKey& first, const RegKey& second, DisplayMode& mode) {
  for (const FieldValue<DisplayMode>& value : kDefaultSettingsValues) {
    std::uint32_t number = 0;
    if (ReadDword(first, value.name, number) || ReadDword(second, value.name, number)) {
      mode.*value.field = static_cast<std::int32_t>(number);
    }
  }
}

}  // namespace vexel
