#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace vexel {

// The registry seam over the real Win32 registry (the A functions, so names
// and texts are in the ANSI code page). Each hive is a key below a predefined
// key: in production HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER themselves; for
// the simulated board and in tests, keys of their own below
// HKEY_CURRENT_USER, so everything written is real and visible in regedit.
class Win32Registry final : public Registry {
 public:
  // The real hives.
  Win32Registry();
  // Both hives stand in as keys below HKEY_CURRENT_USER. They need not exist
  // yet: CreateKey makes them, and until then OpenKey finds nothing.
  Win32Registry(std::string_view machineKey, std::string_view userKey);

  long OpenKey(Hive hive, std::string_view path, RegKey& out) override;
  long CreateKey(Hive hive, std::string_view path, RegKey& out) override;

 private:
  struct Root {
    HKEY parent;
    std::string path;
  };

  const Root& RootOf(Hive hive) const;
  std::string FullPath(Hive hive, std::string_view path) const;

  std::array<Root, 2> roots_;
};

}  // namespace vexel
