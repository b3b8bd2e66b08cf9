#include "options/value_name.h"

#include "win/module.h"

namespace vexel {

std::string OptionValueName(UINT controlId) { return win::LoadResourceString(controlId); }

}  // namespace vexel
