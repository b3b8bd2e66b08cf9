#include "platform/reg_key.h"

namespace vexel {

long RegKey::QueryValue(std::string_view name, std::uint32_t* type, void* data, std::uint32_t* size) const {
  return impl_ ? impl_->QueryValue(name, type, data, size) : kInvalidHandle;
}

long RegKey::SetValue(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size) {
  return impl_ ? impl_->SetValue(name, type, data, size) : kInvalidHandle;
}

long RegKey::DeleteValue(std::string_view name) { return impl_ ? impl_->DeleteValue(name) : kInvalidHandle; }

}  // namespace vexel
