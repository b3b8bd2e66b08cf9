#include "store/settings_key.h"

namespace vexel {

SettingsKey::SettingsKey(Registry& registry, std::string_view path) : path_(path), openStatus_(kFileNotFound) {
  // An empty path would open the machine root itself.
  if (!path_.empty()) openStatus_ = registry.OpenKey(Hive::LocalMachine, path_, key_);
}

bool SettingsKey::ReadDword(std::string_view name, uint32_t& value) const {
  return vexel::ReadDword(key_, name, value);
}

bool SettingsKey::ReadDword(std::string_view name, int32_t& value) const {
  uint32_t raw = static_cast<uint32_t>(value);
  if (!vexel::ReadDword(key_, name, raw)) return false;
  value = static_cast<int32_t>(raw);
  return true;
}

bool SettingsKey::ReadText(std::string_view name, std::string& text) const { return vexel::ReadText(key_, name, text); }

void SettingsKey::WriteDword(std::string_view name, uint32_t value, WriteFailures& failures) {
  Report(name, vexel::WriteDword(key_, name, value), failures);
}

void SettingsKey::WriteTextWithoutNul(std::string_view name, std::string_view text, WriteFailures& failures) {
  Report(name, vexel::WriteTextWithoutNul(key_, name, text), failures);
}

void SettingsKey::DeleteIfReadable(std::string_view name, WriteFailures& failures) {
  uint32_t ignored = 0;
  if (IsOpen() && vexel::ReadDword(key_, name, ignored)) Report(name, key_.DeleteValue(name), failures);
}

void SettingsKey::Delete(std::string_view name, WriteFailures& failures) {
  if (!IsOpen()) return;
  const long status = key_.DeleteValue(name);
  if (status != kFileNotFound) Report(name, status, failures);
}

void SettingsKey::Report(std::string_view name, long status, WriteFailures& failures) const {
  if (status == kOk || !IsOpen()) return;
  failures.ValueNotWritten(path_, name, status);
}

}  // namespace vexel
