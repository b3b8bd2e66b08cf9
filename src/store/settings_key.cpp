#include "store/settings_key.h"

namespace vexel {

SettingsKey::SettingsKey(Registry& registry, std::string_view path) : m_path(path), m_openStatus(kFileNotFound) {
  // An empty path would open the machine root itself.
  if (!m_path.empty()) m_openStatus = registry.OpenKey(Hive::LocalMachine, m_path, m_key);
}

bool SettingsKey::ReadDword(std::string_view name, uint32_t& value) const {
  return vexel::ReadDword(m_key, name, value);
}

bool SettingsKey::ReadDword(std::string_view name, int32_t& value) const {
  uint32_t raw = static_cast<uint32_t>(value);
  if (!vexel::ReadDword(m_key, name, raw)) return false;
  value = static_cast<int32_t>(raw);
  return true;
}

bool SettingsKey::ReadText(std::string_view name, std::string& text) const {
  return vexel::ReadText(m_key, name, text);
}

void SettingsKey::WriteDword(std::string_view name, uint32_t value, WriteFailures& failures) {
  Report(name, vexel::WriteDword(m_key, name, value), failures);
}

void SettingsKey::WriteTextWithoutNul(std::string_view name, std::string_view text, WriteFailures& failures) {
  Report(name, vexel::WriteTextWithoutNul(m_key, name, text), failures);
}

void SettingsKey::DeleteIfReadable(std::string_view name, WriteFailures& failures) {
  uint32_t ignored = 0;
  if (IsOpen() && vexel::ReadDword(m_key, name, ignored)) Report(name, m_key.DeleteValue(name), failures);
}

void SettingsKey::Delete(std::string_view name, WriteFailures& failures) {
  if (!IsOpen()) return;
  const long status = m_key.DeleteValue(name);
  if (status != kFileNotFound) Report(name, status, failures);
}

void SettingsKey::Report(std::string_view name, long status, WriteFailures& failures) const {
  if (status == kOk || !IsOpen()) return;
  failures.ValueNotWritten(m_path, name, status);
}

}  // namespace vexel
