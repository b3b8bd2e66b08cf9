#include "store/write_failures.h"

#include <algorithm>
#include <utility>

namespace vexel {
namespace {

std::string MachineKey(std::string_view keyPath) { return "HKEY_LOCAL_MACHINE\\" + std::string(keyPath); }

// A settings key path comes from the registry and can be as long as the value
// that held it. Thousands of characters make a message nobody reads, and
// Wine's message box fails to draw one of some 64K characters at all.
constexpr std::size_t kShownNameLimit = 300;

std::string Shown(const std::string& name) {
  return name.size() <= kShownNameLimit ? name : name.substr(0, kShownNameLimit) + "...";
}

}  // namespace

void WriteFailures::KeyNotOpened(std::string_view keyPath, long status) {
  // A key without a path is never opened: its pages store nothing, and nothing failed.
  if (!keyPath.empty()) Add({MachineKey(keyPath), std::string(), status});
}

void WriteFailures::ValueNotWritten(std::string_view keyPath, std::string_view value, long status) {
  Add({MachineKey(keyPath), std::string(value), status});
}

// Every page of an apply opens the same settings key, so the same failure can
// come from each of them; the user is told of it once.
void WriteFailures::Add(WriteFailure failure) {
  const bool named = std::ranges::any_of(
      failures_, [&](const WriteFailure& known) { return known.key == failure.key && known.value == failure.value; });
  if (!named) failures_.push_back(std::move(failure));
}

std::vector<WriteFailure> WriteFailures::Take() {
  std::vector<WriteFailure> taken;
  taken.swap(failures_);
  return taken;
}

std::string WriteFailuresText(const std::vector<WriteFailure>& failures, std::string (*reasonOf)(long status)) {
  std::string text = "Some settings could not be stored:\n";
  // Appended piece by piece: GCC 12 at -O3 takes a short literal + string
  // here for an overlapping copy (-Wrestrict) and fails the build.
  for (const WriteFailure& failure : failures) {
    if (failure.value.empty()) {
      text += "\nThe key ";
      text += Shown(failure.key);
      text += " could not be opened";
    } else {
      text += "\n\"";
      text += Shown(failure.value);
      text += "\" in ";
      text += Shown(failure.key);
    }
    text += ": ";
    text += reasonOf(failure.status);
  }
  return text;
}

}  // namespace vexel
