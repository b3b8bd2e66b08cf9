#include "riff_reader.h"

#include <stdexcept>

namespace vexel::test {

namespace {

ByteSpan Slice(ByteSpan bytes, std::size_t offset, std::size_t length) {
    if (offset > bytes.size() || length > bytes.size() - offset) {
        throw std::out_of_range("read past the end of the data");
    }
    return bytes.subspan(offset, length);
}

bool IsList(const std::string& id) { return id == "RIFF" || id == "LIST"; }

RiffChunk ReadChunk(ByteSpan bytes, std::size_t position) {
    RiffChunk chunk{ReadFourcc(bytes, position), {}, Slice(bytes, position + 8, Read32(bytes, position + 4)), position};
    if (IsList(chunk.id)) {
        chunk.formType = ReadFourcc(chunk.data, 0);
        chunk.data = chunk.data.subspan(4);
    }
    return chunk;
}

std::size_t PaddedChunkSize(const RiffChunk& chunk) {
    const std::size_t size = chunk.data.size() + (chunk.formType.empty() ? 0 : 4);
    return 8 + size + size % 2;
}

}  // namespace

std::uint32_t ReadLe(ByteSpan bytes, std::size_t offset, int byteCount) {
    const ByteSpan field = Slice(bytes, offset, static_cast<std::size_t>(byteCount));
    std::uint32_t value = 0;
    for (int i = byteCount - 1; i >= 0; --i) {
        value = value << 8 | field[static_cast<std::size_t>(i)];
    }
    return value;
}

std::string ReadFourcc(ByteSpan bytes, std::size_t offset) {
    const ByteSpan code = Slice(bytes, offset, 4);
    return {code.begin(), code.end()};
}

std::vector<RiffChunk> ReadChunks(ByteSpan bytes) {
    std::vector<RiffChunk> chunks;
    for (std::size_t position = 0; position < bytes.size();) {
        chunks.push_back(ReadChunk(bytes, position));
        position += PaddedChunkSize(chunks.back());
        Slice(bytes, 0, position);
    }
    return chunks;
}

std::vector<RiffChunk> FindChunks(const std::vector<RiffChunk>& chunks, std::string_view id,
                                  std::string_view formType) {
    std::vector<RiffChunk> found;
    for (const RiffChunk& chunk : chunks) {
        if (chunk.id == id && (formType.empty() || chunk.formType == formType)) {
            found.push_back(chunk);
        }
    }
    return found;
}

RiffChunk OnlyChunk(const std::vector<RiffChunk>& chunks, std::string_view id, std::string_view formType) {
    const std::vector<RiffChunk> found = FindChunks(chunks, id, formType);
    if (found.size() != 1) {
        throw std::runtime_error("expected exactly one '" + std::string(id) + "' chunk");
    }
    return found.front();
}

}  // namespace vexel::test
