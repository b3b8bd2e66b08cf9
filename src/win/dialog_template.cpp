#include "win/dialog_template.h"

#include <algorithm>
#include <cstddef>

namespace vexel::win {
namespace {

// Offsets in the fixed parts of the template and of each item.
constexpr std::size_t kStyle = 0;
constexpr std::size_t kItemCount = 8;
constexpr std::size_t kHeaderSize = 18;
constexpr std::size_t kItemId = 16;
constexpr std::size_t kItemHeaderSize = 18;
constexpr std::uint32_t kSetFontStyle = 0x40;  // DS_SETFONT
constexpr std::uint16_t kOrdinalMark = 0xFFFF;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;

// A cursor over the template's little-endian 16-bit words that fails,
// rather than reading past the end.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t Offset() const { return offset_; }
  bool Failed() const { return failed_; }

  std::uint16_t WordAt(std::size_t offset) {
    if (offset > bytes_.size() || bytes_.size() - offset < 2) return Fail();
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
  }
  std::uint16_t Word() {
    const std::uint16_t word = WordAt(offset_);
    if (!failed_) offset_ += 2;
    return word;
  }
  void Skip(std::size_t count) {
    if (count > bytes_.size() - offset_) {
      Fail();
    } else {
      offset_ += count;
    }
  }
  // A name or an ordinal: nothing, 0xFFFF and a number, or a NUL-ended UTF-16 text.
  void SkipNameOrOrdinal() {
    const std::uint16_t first = Word();
    if (first == kOrdinalMark) {
      Word();
    } else if (first != 0) {
      SkipText();
    }
  }
  void SkipText() {
    while (!failed_ && Word() != 0) {
    }
  }
  void AlignToDword() { Skip((4 - offset_ % 4) % 4); }

 private:
  std::uint16_t Fail() {
    failed_ = true;
    offset_ = bytes_.size();
    return 0;
  }

  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
  bool failed_ = false;
};

// Where each item starts and ends (before its padding), after the header.
struct Layout {
  std::size_t headerEnd = 0;
  std::vector<std::pair<std::size_t, std::size_t>> items;
};

std::optional<Layout> ReadLayout(std::span<const std::uint8_t> dialog) {
  Reader reader(dialog);
  if (reader.WordAt(2) == kExtendedSignature) return std::nullopt;
  const std::uint32_t style = reader.WordAt(kStyle) | std::uint32_t{reader.WordAt(kStyle + 2)} << 16;
  const std::uint16_t itemCount = reader.WordAt(kItemCount);
  reader.Skip(kHeaderSize);
  reader.SkipNameOrOrdinal();  // menu
  reader.SkipNameOrOrdinal();  // class
  reader.SkipText();           // caption
  if (style & kSetFontStyle) {
    reader.Word();  // point size
    reader.SkipText();
  }
  Layout layout{reader.Offset(), {}};
  for (std::uint16_t i = 0; i < itemCount && !reader.Failed(); ++i) {
    reader.AlignToDword();
    const std::size_t start = reader.Offset();
    reader.Skip(kItemHeaderSize);
    reader.SkipNameOrOrdinal();  // class
    reader.SkipNameOrOrdinal();  // text
    reader.Skip(reader.Word());  // creation data
    layout.items.emplace_back(start, reader.Offset());
  }
  if (reader.Failed()) return std::nullopt;
  return layout;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> DialogTemplateWithout(std::span<const std::uint8_t> dialog,
                                                               std::span<const std::uint16_t> controlIds) {
  const std::optional<Layout> layout = ReadLayout(dialog);
  if (!layout) return std::nullopt;
  Reader reader(dialog);
  std::vector<std::uint8_t> lean(dialog.begin(), dialog.begin() + static_cast<std::ptrdiff_t>(layout->headerEnd));
  std::uint16_t kept = 0;
  for (const auto& [start, end] : layout->items) {
    if (std::ranges::find(controlIds, reader.WordAt(start + kItemId)) != controlIds.end()) continue;
    // Each item starts on a 32-bit boundary, as in the original.
    lean.resize((lean.size() + 3) / 4 * 4);
    lean.insert(lean.end(), dialog.begin() + static_cast<std::ptrdiff_t>(start),
                dialog.begin() + static_cast<std::ptrdiff_t>(end));
    ++kept;
  }
  lean[kItemCount] = static_cast<std::uint8_t>(kept & 0xFF);
  lean[kItemCount + 1] = static_cast<std::uint8_t>(kept >> 8);
  return lean;
}

}  // namespace vexel::win
