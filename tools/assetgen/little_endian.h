#pragma once
// Byte-writing helpers shared by every file format here. All of them
// (BMP, ICO, RIFF) are little-endian, so nothing ever writes big-endian.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vexel::assets {

using Bytes = std::vector<std::uint8_t>;

inline void PutLe(Bytes& out, std::uint32_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}

inline void Put8(Bytes& out, std::uint32_t value) { PutLe(out, value, 1); }
inline void Put16(Bytes& out, std::uint32_t value) { PutLe(out, value, 2); }
inline void Put32(Bytes& out, std::uint32_t value) { PutLe(out, value, 4); }

inline void PutFourcc(Bytes& out, std::string_view code) {
  for (char letter : code) {
    out.push_back(static_cast<std::uint8_t>(letter));
  }
}

inline void Append(Bytes& out, std::span<const std::uint8_t> more) { out.insert(out.end(), more.begin(), more.end()); }

inline std::uint32_t SizeOf(const Bytes& bytes) { return static_cast<std::uint32_t>(bytes.size()); }

}  // namespace vexel::assets
