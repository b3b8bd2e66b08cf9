#include "win/dialog_init.h"

#include <cstring>
#include <string>

namespace vexel::win {
namespace {

// The 16-bit message numbers the records carry.
constexpr WORD kRecordListBoxAddString = 0x0401;
constexpr WORD kRecordComboBoxAddString = 0x0403;

template <class T>
T ReadAt(std::span<const std::uint8_t> data, std::size_t offset) {
  T value{};
  std::memcpy(&value, data.data() + offset, sizeof(T));
  return value;
}

UINT MessageOf(WORD recordMessage) {
  switch (recordMessage) {
    case kRecordListBoxAddString:
      return LB_ADDSTRING;
    case kRecordComboBoxAddString:
      return CB_ADDSTRING;
    default:
      return 0;
  }
}

}  // namespace

void RunDialogInit(HWND dialog, std::span<const std::uint8_t> data) {
  constexpr std::size_t kHeader = sizeof(WORD) + sizeof(WORD) + sizeof(DWORD);
  std::size_t offset = 0;
  while (offset + sizeof(WORD) <= data.size()) {
    const WORD control = ReadAt<WORD>(data, offset);
    if (control == 0 || offset + kHeader > data.size()) return;
    const WORD message = ReadAt<WORD>(data, offset + sizeof(WORD));
    const DWORD length = ReadAt<DWORD>(data, offset + 2 * sizeof(WORD));
    offset += kHeader;
    if (length > data.size() - offset) return;
    // The text ends at its NUL or at the end of the record, whichever is first.
    const char* bytes = reinterpret_cast<const char*>(data.data() + offset);
    const std::string text(bytes, strnlen(bytes, length));
    offset += length;
    if (const UINT send = MessageOf(message)) {
      ::SendDlgItemMessageA(dialog, control, send, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
}

void RunDialogInit(HWND dialog, HINSTANCE module, UINT templateId) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(kDialogInitResourceType));
  if (!found) return;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  if (!bytes) return;
  RunDialogInit(dialog, {static_cast<const std::uint8_t*>(bytes), ::SizeofResource(module, found)});
}

}  // namespace vexel::win
