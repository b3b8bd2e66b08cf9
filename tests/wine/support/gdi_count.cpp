#include "support/gdi_count.h"

#include <windows.h>
#include <winternl.h>

#include <cstddef>
#include <cstdint>

namespace vexel::test {
namespace {

// The 64-bit layout of the table: 0x10000 entries of 24 bytes, the object's
// type at byte 14, 0 for a free entry.
constexpr std::size_t kTableOffsetInPeb = 0xF8;
constexpr std::size_t kEntries = 0x10000;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kTypeOffset = 14;

const std::uint8_t* OwnPeb() {
  using Query = LONG(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
    return nullptr;
  }
  return reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
}

unsigned long CountHandleTable() {
  const std::uint8_t* peb = OwnPeb();
  if (!peb) return 0;
  const auto* table = *reinterpret_cast<const std::uint8_t* const*>(peb + kTableOffsetInPeb);
  if (!table) return 0;
  unsigned long count = 0;
  for (std::size_t entry = 0; entry < kEntries; ++entry) {
    if (table[entry * kEntrySize + kTypeOffset] != 0) ++count;
  }
  return count;
}

}  // namespace

unsigned long GdiObjectCount() {
  const DWORD reported = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  return reported != 0 ? reported : CountHandleTable();
}

}  // namespace vexel::test
