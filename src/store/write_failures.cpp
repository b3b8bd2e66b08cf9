#include "store/write_failures.h"

namespace vexel {
namespace {

std::string MachineKey(std::string_view keyPath) { return "HKEY_LOCAL_MACHINE\\" + std::string(keyPath); }

}  // namespace

void WriteFailures::KeyNotOpened(std::string_view keyPath, long status) {
  m_failures.push_back({MachineKey(keyPath), std::string(), status});
}

void WriteFailures::ValueNotWritten(std::string_view keyPath, std::string_view value, long status) {
  m_failures.push_back({MachineKey(keyPath), std::string(value), status});
}

std::vector<WriteFailure> WriteFailures::Take() {
  std::vector<WriteFailure> taken;
  taken.swap(m_failures);
  return taken;
}

std::string WriteFailuresText(const std::vector<WriteFailure>& failures, std::string (*reasonOf)(long status)) {
  std::string text = "Some settings could not be stored:\n";
  for (const WriteFailure& failure : failures) {
    text += "\n";
    text += failure.value.empty() ? "The key " + failure.key + " could not be opened"
                                  : "\"" + failure.value + "\" in " + failure.key;
    text += ": " + reasonOf(failure.status);
  }
  return text;
}

}  // namespace vexel
