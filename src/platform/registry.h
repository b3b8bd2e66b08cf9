#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/reg_key.h"

namespace vexel {

// The two roots the program works below. Where each one really lives is the
// implementation's choice: the real hive, or a key standing in for it.
enum class Hive { LocalMachine, CurrentUser };

class Registry {
 public:
  virtual ~Registry() = default;
  // Like RegOpenKeyA: kFileNotFound when the key is missing; an empty path
  // opens the hive's root itself. Paths use backslashes and must not begin
  // with one (kBadPathname). On failure `out` is left empty.
  virtual long OpenKey(Hive hive, std::string_view path, RegKey& out) = 0;
  // Like RegCreateKeyA: opens the key, creating it and any missing keys above
  // it first. On failure `out` is left empty.
  virtual long CreateKey(Hive hive, std::string_view path, RegKey& out) = 0;
};

// The registry refuses a key path that begins with a backslash. Checked up
// front, because joined to a stand-in root such a path would make a doubled
// backslash, which the registry accepts.
bool IsBadKeyPath(std::string_view path);

// Value helpers. A reader leaves its output untouched when the read fails, so
// the caller's initial value is what remains for anything missing.

// Reads into a 4-byte buffer with size 4 and does not look at the type: a
// shorter value replaces only the low bytes it has, a longer one fails.
bool ReadDword(const RegKey& key, std::string_view name, std::uint32_t& value);
// Size query, then a zero-filled buffer of that size; the text ends at the
// first NUL or at the end of the data.
bool ReadText(const RegKey& key, std::string_view name, std::string& text);
// Size query, then the raw data, whatever its type.
bool ReadBytes(const RegKey& key, std::string_view name, std::vector<std::uint8_t>& bytes);

long WriteDword(RegKey& key, std::string_view name, std::uint32_t value);
// REG_SZ with its terminating NUL (length + 1 bytes).
long WriteText(RegKey& key, std::string_view name, std::string_view text);
// REG_SZ holding exactly the characters, no NUL.
long WriteTextWithoutNul(RegKey& key, std::string_view name, std::string_view text);
long WriteBytes(RegKey& key, std::string_view name, std::uint32_t type, std::span<const std::uint8_t> bytes);

}  // namespace vexel
