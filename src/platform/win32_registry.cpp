#include "platform/win32_registry.h"

#include <vector>

namespace vexel {

namespace {

class Win32Key final : public KeyImpl {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}
  ~Win32Key() override { ::RegCloseKey(key_); }
  Win32Key(const Win32Key&) = delete;
  Win32Key& operator=(const Win32Key&) = delete;

  long QueryValue(std::string_view name, std::uint32_t* type, void* data, std::uint32_t* size) const override {
    DWORD valueType = 0;
    DWORD byteCount = size ? *size : 0;
    const LONG status = ::RegQueryValueExA(key_, std::string(name).c_str(), nullptr, &valueType,
                                           static_cast<BYTE*>(data), size ? &byteCount : nullptr);
    if (type && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)) *type = valueType;
    if (size && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA)) *size = byteCount;
    return status;
  }

  long SetValue(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size) override {
    if (!data && size > 0) return kNoAccess;
    return ::RegSetValueExA(key_, std::string(name).c_str(), 0, type, GuardedCopy(type, data, size).data(), size);
  }

  long DeleteValue(std::string_view name) override { return ::RegDeleteValueA(key_, std::string(name).c_str()); }

 private:
  // For text types RegSetValueExA looks at the byte after the data and, when
  // that is a NUL the caller did not count, stores it too. A copy followed by
  // a non-NUL guard byte keeps the data exactly as given and that look within
  // our own buffer.
  static std::vector<BYTE> GuardedCopy(std::uint32_t type, const void* data, std::uint32_t size) {
    const auto* bytes = static_cast<const BYTE*>(data);
    std::vector<BYTE> copy(bytes, bytes + size);
    if (IsStringType(type)) copy.push_back(1);
    return copy;
  }

  HKEY key_;
};

RegKey Adopt(HKEY key) { return RegKey(std::make_unique<Win32Key>(key)); }

}  // namespace

Win32Registry::Win32Registry() : roots_{Root{HKEY_LOCAL_MACHINE, {}}, Root{HKEY_CURRENT_USER, {}}} {}

Win32Registry::Win32Registry(std::string_view machineKey, std::string_view userKey)
    : roots_{Root{HKEY_CURRENT_USER, std::string(machineKey)}, Root{HKEY_CURRENT_USER, std::string(userKey)}} {}

const Win32Registry::Root& Win32Registry::RootOf(Hive hive) const { return roots_[hive == Hive::LocalMachine ? 0 : 1]; }

std::string Win32Registry::FullPath(Hive hive, std::string_view path) const {
  const std::string& root = RootOf(hive).path;
  if (root.empty()) return std::string(path);
  if (path.empty()) return root;
  return root + '\\' + std::string(path);
}

long Win32Registry::OpenKey(Hive hive, std::string_view path, RegKey& out) {
  out.Close();
  if (IsBadKeyPath(path)) return kBadPathname;
  HKEY key = nullptr;
  const LONG status = ::RegOpenKeyExA(RootOf(hive).parent, FullPath(hive, path).c_str(), 0, MAXIMUM_ALLOWED, &key);
  if (status == ERROR_SUCCESS) out = Adopt(key);
  return status;
}

long Win32Registry::CreateKey(Hive hive, std::string_view path, RegKey& out) {
  out.Close();
  if (IsBadKeyPath(path)) return kBadPathname;
  HKEY key = nullptr;
  const LONG status = ::RegCreateKeyExA(RootOf(hive).parent, FullPath(hive, path).c_str(), 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, MAXIMUM_ALLOWED, nullptr, &key, nullptr);
  if (status == ERROR_SUCCESS) out = Adopt(key);
  return status;
}

}  // namespace vexel
