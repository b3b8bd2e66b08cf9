#pragma once
// A small, independent reader of little-endian binary files (RIFF, BMP, ICO)
// for the tests of the generated assets. Every read is bounds-checked and
// throws std::out_of_range instead of reading past the data.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vexel::test {

using ByteSpan = std::span<const std::uint8_t>;

std::uint32_t ReadLe(ByteSpan bytes, std::size_t offset, int byteCount);
inline std::uint32_t Read16(ByteSpan bytes, std::size_t offset) { return ReadLe(bytes, offset, 2); }
inline std::uint32_t Read32(ByteSpan bytes, std::size_t offset) { return ReadLe(bytes, offset, 4); }
std::string ReadFourcc(ByteSpan bytes, std::size_t offset);

struct RiffChunk {
    std::string id;
    std::string formType;  // RIFF and LIST chunks only
    ByteSpan data;         // after the form type for RIFF and LIST chunks
    std::size_t position;  // of the chunk header within the span that was walked
};

// The sibling chunks that fill `bytes` exactly, each padded to an even size.
std::vector<RiffChunk> ReadChunks(ByteSpan bytes);

// Chunks with the given id (and form type, when one is given).
std::vector<RiffChunk> FindChunks(const std::vector<RiffChunk>& chunks, std::string_view id,
                                  std::string_view formType = {});

// The single chunk with that id and form type; throws if there is none or more.
RiffChunk OnlyChunk(const std::vector<RiffChunk>& chunks, std::string_view id, std::string_view formType = {});

}  // namespace vexel::test
