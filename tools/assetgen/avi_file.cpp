#include "avi_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "animation_frames.h"
#include "bitmap_files.h"
#include "colours.h"
#include "rle8.h"

namespace vexel::assets {
namespace {

// Both headers carry the rate: the main one as a frame period, the stream as a ratio.
constexpr int kMicroSecondsPerFrame = 66667;
constexpr int kFramesPerSecond = 15;

constexpr std::uint32_t kAvifHasIndex = 0x10;
constexpr std::uint32_t kAviifKeyframe = 0x10;
constexpr std::uint32_t kDefaultQuality = 0xFFFFFFFF;
constexpr std::string_view kFrameChunkId = "00dc";

Bytes Chunk(std::string_view id, const Bytes& data) {
  Bytes out;
  PutFourcc(out, id);
  Put32(out, SizeOf(data));
  Append(out, data);
  if (data.size() % 2 != 0) {
    Put8(out, 0);
  }
  return out;
}

// RIFF and LIST chunks: a form type followed by their children.
Bytes ListChunk(std::string_view id, std::string_view type, const std::vector<Bytes>& children) {
  Bytes body;
  PutFourcc(body, type);
  for (const Bytes& child : children) {
    Append(body, child);
  }
  return Chunk(id, body);
}

std::uint32_t LargestSize(const std::vector<Bytes>& frames) {
  std::uint32_t largest = 0;
  for (const Bytes& frame : frames) {
    largest = std::max(largest, SizeOf(frame));
  }
  return largest;
}

Bytes MainHeader(std::uint32_t largestFrame) {
  Bytes out;
  for (std::uint32_t field : {std::uint32_t{kMicroSecondsPerFrame}, largestFrame * kFramesPerSecond, 0u, kAvifHasIndex,
                              std::uint32_t{kClipFrames}, 0u, 1u, largestFrame, std::uint32_t{kClipWidth},
                              std::uint32_t{kClipHeight}, 0u, 0u, 0u, 0u}) {
    Put32(out, field);
  }
  return Chunk("avih", out);
}

Bytes StreamHeader(std::uint32_t largestFrame) {
  Bytes out;
  PutFourcc(out, "vids");
  PutFourcc(out, "mrle");
  Put32(out, 0);
  Put16(out, 0);
  Put16(out, 0);
  for (std::uint32_t field :
       {0u, 1u, std::uint32_t{kFramesPerSecond}, 0u, std::uint32_t{kClipFrames}, largestFrame, kDefaultQuality, 0u}) {
    Put32(out, field);
  }
  for (int corner : {0, 0, kClipWidth, kClipHeight}) {
    Put16(out, corner);
  }
  return Chunk("strh", out);
}

Bytes StreamFormat(std::uint32_t largestFrame) {
  Bytes out = InfoHeader({kClipWidth, kClipHeight, 8, kBiRle8, largestFrame, kClipPaletteSize});
  Append(out, PaletteBytes(ClipPalette()));
  return Chunk("strf", out);
}

Bytes MovieList(const std::vector<Bytes>& frames) {
  std::vector<Bytes> chunks;
  for (const Bytes& frame : frames) {
    chunks.push_back(Chunk(kFrameChunkId, frame));
  }
  return ListChunk("LIST", "movi", chunks);
}

// Offsets count from the 'movi' form type, as AVI readers expect; every frame
// is a key frame so the control can loop and seek freely.
Bytes FrameIndex(const std::vector<Bytes>& frames) {
  Bytes out;
  std::uint32_t offset = 4;
  for (const Bytes& frame : frames) {
    PutFourcc(out, kFrameChunkId);
    Put32(out, kAviifKeyframe);
    Put32(out, offset);
    Put32(out, SizeOf(frame));
    offset += 8 + SizeOf(frame) + SizeOf(frame) % 2;
  }
  return Chunk("idx1", out);
}

}  // namespace

Bytes MakeAnimationAvi() {
  std::vector<Bytes> frames;
  for (int index = 0; index < kClipFrames; ++index) {
    frames.push_back(EncodeRle8(ClipFrame(index)));
  }
  const std::uint32_t largest = LargestSize(frames);
  const Bytes streamList = ListChunk("LIST", "strl", {StreamHeader(largest), StreamFormat(largest)});
  const Bytes headerList = ListChunk("LIST", "hdrl", {MainHeader(largest), streamList});
  return ListChunk("RIFF", "AVI ", {headerList, MovieList(frames), FrameIndex(frames)});
}

}  // namespace vexel::assets
