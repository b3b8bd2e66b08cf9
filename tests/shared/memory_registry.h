#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace vexel {

struct MemoryNode;

// A value as the registry keeps it: its type and its raw bytes.
struct StoredValue {
  std::uint32_t type = 0;
  std::vector<std::uint8_t> data;
  friend bool operator==(const StoredValue&, const StoredValue&) = default;
};

// A registry held in memory with the Win32 semantics the program relies on,
// for native tests. Key and value names compare without regard to ASCII case
// (the only names the program uses are ASCII). Open keys share their data
// with the registry, so a write through one handle is seen by every other.
class MemoryRegistry final : public Registry {
 public:
  MemoryRegistry();
  ~MemoryRegistry() override;

  long OpenKey(Hive hive, std::string_view path, RegKey& out) override;
  long CreateKey(Hive hive, std::string_view path, RegKey& out) override;

  // Set-up and inspection for tests, bypassing the key calls.
  void Put(Hive hive, std::string_view path, std::string_view name, StoredValue value);
  std::optional<StoredValue> Find(Hive hive, std::string_view path, std::string_view name) const;
  // The number of values directly in the key; 0 when the key is missing.
  std::size_t ValueCount(Hive hive, std::string_view path) const;
  // Makes an existing key refuse writes as a key without write access does:
  // setting or deleting its values and creating keys below it give
  // kAccessDenied, while opening and reading still work.
  // The key is created when missing.
  void DenyWrites(Hive hive, std::string_view path);

 private:
  const std::shared_ptr<MemoryNode>& Root(Hive hive) const;

  std::array<std::shared_ptr<MemoryNode>, 2> roots_;
};

}  // namespace vexel
