#include "support/registry_root.h"

#include <windows.h>

#include <atomic>

namespace vexel::test {

namespace {

constexpr const char* kMakerKey = "Software\\Vexelworks";
constexpr const char* kTestsKey = "Software\\Vexelworks\\VexelPanel Tests";

// Process id, start time and a counter keep roots of parallel test runs and
// of one run's fixtures apart.
std::string UniqueName() {
  static std::atomic<unsigned> counter{0};
  return "Run" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount64()) + "-" +
         std::to_string(counter++);
}

}  // namespace

TestRegistryRoot::TestRegistryRoot() : path_(std::string(kTestsKey) + "\\" + UniqueName()) {}

TestRegistryRoot::~TestRegistryRoot() {
  ::RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
  // The parents go too, but only while empty: a key with subkeys, such as
  // another run's root, is not deleted.
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kTestsKey);
  ::RegDeleteKeyA(HKEY_CURRENT_USER, kMakerKey);
}

std::string TestRegistryRoot::RegToolPath(std::string_view subKey) const {
  std::string path = "HKCU\\" + path_;
  if (!subKey.empty()) path += "\\" + std::string(subKey);
  return path;
}

}  // namespace vexel::test
