#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

namespace vexel {

// Status codes and value types carry the Win32 numbers, so callers compare
// against the same values whichever implementation answers.
inline constexpr long kOk = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kInvalidParameter = 87;
inline constexpr long kBadPathname = 161;
inline constexpr long kMoreData = 234;
inline constexpr long kNoAccess = 998;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;
inline constexpr std::uint32_t kRegMultiSz = 7;

// One open key of a registry implementation. The calls follow
// RegQueryValueExA, RegSetValueExA and RegDeleteValueA.
class KeyImpl {
 public:
  virtual ~KeyImpl() = default;
  virtual long QueryValue(std::string_view name, std::uint32_t* type, void* data, std::uint32_t* size) const = 0;
  virtual long SetValue(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size) = 0;
  virtual long DeleteValue(std::string_view name) = 0;
};

// An open registry key, closed when it goes out of scope. An empty RegKey
// answers every call with kInvalidHandle, as a closed handle would.
class RegKey {
 public:
  RegKey() = default;
  explicit RegKey(std::unique_ptr<KeyImpl> impl) : impl_(std::move(impl)) {}

  // RegQueryValueExA: with no data buffer only the type and size are
  // returned; a buffer that is too small gives kMoreData, is left untouched,
  // and *size becomes the size needed; a missing value gives kFileNotFound.
  long QueryValue(std::string_view name, std::uint32_t* type, void* data, std::uint32_t* size) const;
  // Stores exactly `size` bytes of `data` with the given type.
  long SetValue(std::string_view name, std::uint32_t type, const void* data, std::uint32_t size);
  // kFileNotFound when there is no such value.
  long DeleteValue(std::string_view name);

  void Close() { impl_.reset(); }
  explicit operator bool() const { return impl_ != nullptr; }

 private:
  std::unique_ptr<KeyImpl> impl_;
};

// The types whose data the registry treats as narrow text.
constexpr bool IsStringType(std::uint32_t type) {
  return type == kRegSz || type == kRegExpandSz || type == kRegMultiSz;
}

}  // namespace vexel
