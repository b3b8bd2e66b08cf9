#include "shared/memory_registry.h"

#include "core/ascii_case.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace vexel {

// Keys and values are filed under their case-folded names; nothing here
// lists them, so the spelling first used need not be kept.
struct MemoryNode {
  std::map<std::string, std::shared_ptr<MemoryNode>> children;
  std::map<std::string, StoredValue> values;
  bool writesDenied = false;
};

namespace {

// The folded names along a path. Empty components are skipped, as the real
// registry accepts a trailing or doubled backslash.
std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> names;
  while (!path.empty()) {
    const std::size_t end = std::min(path.find('\\'), path.size());
    if (end > 0) names.push_back(AsciiLowerCased(path.substr(0, end)));
    path.remove_prefix(std::min(end + 1, path.size()));
  }
  return names;
}

std::shared_ptr<MemoryNode> FindNode(std::shared_ptr<MemoryNode> node, std::string_view path) {
  for (const std::string& name : Components(path)) {
    const auto child = node->children.find(name);
    if (child == node->children.end()) return nullptr;
    node = child->second;
  }
  return node;
}

// Walks down the path creating missing keys. A key that refuses writes gets
// no new key below it unless `overrideDenied` (test set-up) says otherwise.
long MakeNode(std::shared_ptr<MemoryNode> node, std::string_view path, bool overrideDenied,
              std::shared_ptr<MemoryNode>& out) {
  for (const std::string& name : Components(path)) {
    auto child = node->children.find(name);
    if (child == node->children.end()) {
      if (node->writesDenied && !overrideDenied) return kAccessDenied;
      child = node->children.emplace(name, std::make_shared<MemoryNode>()).first;
    }
    node = child->second;
  }
  out = std::move(node);
  return kOk;
}

class MemoryKey final : public KeyImpl {
 public:
  explicit MemoryKey(std::shared_ptr<MemoryNode> node) : node_(std::move(node)) {}

  long QueryValue(std::string_view name, std::uint32_t* type, void* data, std::uint32_t* size) const override {
    if (data && !size) return kInvalidParameter;
    const auto found = node_->values.find(AsciiLowerCased(name));
    if (found == node_->values.end()) return kFileNotFound;
    const StoredValue& value = found->second;
    if (type) *type = value.type;
    if (!size) return kOk;
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    if (data && *size < needed) {
      *size = needed;
      return kMoreData;
    }
    if (data) CopyOut(value, static_cast<std::uint8_t*>(data), *size);
    *size = needed;
    return kOk;
  }

  long SetValue(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size) override {
    if (node_->writesDenied) return kAccessDenied;
    if (!data && size > 0) return kNoAccess;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    node_->values[AsciiLowerCased(name)] = StoredValue{type, {bytes, bytes + size}};
    return kOk;
  }

  long DeleteValue(std::string_view name) override {
    if (node_->writesDenied) return kAccessDenied;
    return node_->values.erase(AsciiLowerCased(name)) ? kOk : kFileNotFound;
  }

 private:
  // Like the real call, text that lacks its NUL gets one when the buffer has
  // room for it; readers must not count on that.
  static void CopyOut(const StoredValue& value, std::uint8_t* data, std::uint32_t capacity) {
    if (value.data.empty()) return;
    std::memcpy(data, value.data.data(), value.data.size());
    if (IsStringType(value.type) && value.data.back() != 0 && capacity > value.data.size()) {
      data[value.data.size()] = 0;
    }
  }

  std::shared_ptr<MemoryNode> node_;
};

}  // namespace

MemoryRegistry::MemoryRegistry() : roots_{std::make_shared<MemoryNode>(), std::make_shared<MemoryNode>()} {}

MemoryRegistry::~MemoryRegistry() = default;

const std::shared_ptr<MemoryNode>& MemoryRegistry::Root(Hive hive) const {
  return roots_[hive == Hive::LocalMachine ? 0 : 1];
}

long MemoryRegistry::OpenKey(Hive hive, std::string_view path, RegKey& out) {
  out.Close();
  if (IsBadKeyPath(path)) return kBadPathname;
  auto node = FindNode(Root(hive), path);
  if (!node) return kFileNotFound;
  out = RegKey(std::make_unique<MemoryKey>(std::move(node)));
  return kOk;
}

long MemoryRegistry::CreateKey(Hive hive, std::string_view path, RegKey& out) {
  out.Close();
  if (IsBadKeyPath(path)) return kBadPathname;
  std::shared_ptr<MemoryNode> node;
  const long status = MakeNode(Root(hive), path, false, node);
  if (status == kOk) out = RegKey(std::make_unique<MemoryKey>(std::move(node)));
  return status;
}

void MemoryRegistry::Put(Hive hive, std::string_view path, std::string_view name, StoredValue value) {
  std::shared_ptr<MemoryNode> node;
  MakeNode(Root(hive), path, true, node);
  node->values[AsciiLowerCased(name)] = std::move(value);
}

std::optional<StoredValue> MemoryRegistry::Find(Hive hive, std::string_view path, std::string_view name) const {
  const auto node = FindNode(Root(hive), path);
  if (!node) return std::nullopt;
  const auto found = node->values.find(AsciiLowerCased(name));
  if (found == node->values.end()) return std::nullopt;
  return found->second;
}

std::size_t MemoryRegistry::ValueCount(Hive hive, std::string_view path) const {
  const auto node = FindNode(Root(hive), path);
  return node ? node->values.size() : 0;
}

void MemoryRegistry::DenyWrites(Hive hive, std::string_view path) {
  std::shared_ptr<MemoryNode> node;
  MakeNode(Root(hive), path, true, node);
  node->writesDenied = true;
}

}  // namespace vexel
