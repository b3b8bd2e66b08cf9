#include "platform/registry.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace vexel {

namespace {

std::uint32_t SizeOf(std::string_view text) { return static_cast<std::uint32_t>(text.size()); }

// The size of a value, by a query without a buffer.
bool QuerySize(const RegKey& key, std::string_view name, std::uint32_t& size) {
  size = 0;
  return key.QueryValue(name, nullptr, nullptr, &size) == kOk;
}

}  // namespace

bool IsBadKeyPath(std::string_view path) { return !path.empty() && path.front() == '\\'; }

bool ReadDword(const RegKey& key, std::string_view name, std::uint32_t& value) {
  std::array<std::uint8_t, sizeof(std::uint32_t)> buffer;
  std::memcpy(buffer.data(), &value, buffer.size());
  std::uint32_t type = 0;
  std::uint32_t size = sizeof(buffer);
  if (key.QueryValue(name, &type, buffer.data(), &size) != kOk) return false;
  std::memcpy(&value, buffer.data(), buffer.size());
  return true;
}

bool ReadText(const RegKey& key, std::string_view name, std::string& text) {
  std::vector<std::uint8_t> bytes;
  if (!ReadBytes(key, name, bytes)) return false;
  const auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
  text.assign(bytes.begin(), end);
  return true;
}

bool ReadBytes(const RegKey& key, std::string_view name, std::vector<std::uint8_t>& bytes) {
  std::uint32_t size = 0;
  if (!QuerySize(key, name, size)) return false;
  // One spare byte keeps the buffer pointer valid for an empty value.
  std::vector<std::uint8_t> buffer(size + std::size_t{1}, 0);
  std::uint32_t type = 0;
  if (key.QueryValue(name, &type, buffer.data(), &size) != kOk) return false;
  buffer.resize(size);
  bytes = std::move(buffer);
  return true;
}

long WriteDword(RegKey& key, std::string_view name, std::uint32_t value) {
  return key.SetValue(name, kRegDword, &value, sizeof(value));
}

long WriteText(RegKey& key, std::string_view name, std::string_view text) {
  const std::string withNul(text);
  return key.SetValue(name, kRegSz, withNul.c_str(), SizeOf(text) + 1);
}

long WriteTextWithoutNul(RegKey& key, std::string_view name, std::string_view text) {
  return key.SetValue(name, kRegSz, text.data(), SizeOf(text));
}

long WriteBytes(RegKey& key, std::string_view name, std::uint32_t type, std::span<const std::uint8_t> bytes) {
  return key.SetValue(name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

}  // namespace vexel
