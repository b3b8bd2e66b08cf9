#include "support/gdi_count.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>
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

// USER handles are an index into a table of 0x7FD0 slots, times two plus
// 0x20; a handle whose generation (high word) is 0 names whichever object
// holds the slot now.
constexpr std::uintptr_t kFirstUserHandle = 0x20;
constexpr std::uintptr_t kUserHandleSlots = (0xFFEF - kFirstUserHandle + 1) / 2;

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<unsigned long*>(count);
  return TRUE;
}

// EnumChildWindows visits every descendant, so only the top level asks for them.
BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM count) {
  CountWindow(hwnd, count);
  ::EnumChildWindows(hwnd, CountWindow, count);
  return TRUE;
}

unsigned long CountOwnWindows() {
  unsigned long count = 0;
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 0;
  THREADENTRY32 thread{};
  thread.dwSize = sizeof(thread);
  for (BOOL more = ::Thread32First(snapshot, &thread); more; more = ::Thread32Next(snapshot, &thread)) {
    if (thread.th32OwnerProcessID == ::GetCurrentProcessId()) {
      ::EnumThreadWindows(thread.th32ThreadID, CountTopLevel, reinterpret_cast<LPARAM>(&count));
    }
  }
  ::CloseHandle(snapshot);
  return count;
}

// Menus and cursors or icons of this process; another process's objects are
// not answered for.
unsigned long CountOwnMenusAndIcons() {
  using FrameInfo = HCURSOR(WINAPI*)(HCURSOR, DWORD, DWORD, DWORD*, DWORD*);
  const auto frameInfo = reinterpret_cast<FrameInfo>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetCursorFrameInfo")));
  unsigned long count = 0;
  for (std::uintptr_t slot = 0; slot < kUserHandleSlots; ++slot) {
    const std::uintptr_t handle = kFirstUserHandle + slot * 2;
    DWORD rate = 0, steps = 0;
    if (::IsMenu(reinterpret_cast<HMENU>(handle))) ++count;
    if (frameInfo && frameInfo(reinterpret_cast<HCURSOR>(handle), 0, 0, &rate, &steps)) ++count;
  }
  return count;
}

}  // namespace

unsigned long ReportedGdiObjects() { return ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS); }
unsigned long ReportedUserObjects() { return ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS); }

unsigned long GdiObjectCount() {
  const DWORD reported = ReportedGdiObjects();
  return reported != 0 ? reported : CountHandleTable();
}

unsigned long UserObjectCount() {
  const DWORD reported = ReportedUserObjects();
  return reported != 0 ? reported : CountOwnWindows() + CountOwnMenusAndIcons();
}

std::size_t PrivateBytes() {
  std::size_t bytes = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* at = nullptr; ::VirtualQuery(at, &region, sizeof(region)) == sizeof(region);
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) bytes += region.RegionSize;
  }
  return bytes;
}

std::size_t ReportedPrivateUsage() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                 sizeof(counters))) {
    return 0;
  }
  return counters.PrivateUsage;
}

}  // namespace vexel::test
