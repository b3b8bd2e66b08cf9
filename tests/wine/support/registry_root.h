#pragma once

#include <string>
#include <string_view>

namespace vexel::test {

// A key of its own below HKEY_CURRENT_USER\Software\Vexelworks\VexelPanel
// Tests, unique to this object, deleted with everything below it when the
// object goes. The key itself is made by whoever first writes below it.
class TestRegistryRoot {
 public:
  TestRegistryRoot();
  ~TestRegistryRoot();
  TestRegistryRoot(const TestRegistryRoot&) = delete;
  TestRegistryRoot& operator=(const TestRegistryRoot&) = delete;

  // The key's path below HKEY_CURRENT_USER.
  const std::string& Path() const { return path_; }
  // A key below the root as the reg tool names it ("HKCU\...").
  std::string RegToolPath(std::string_view subKey) const;

 private:
  std::string path_;
};

}  // namespace vexel::test
