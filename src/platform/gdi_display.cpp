#include "platform/gdi_display.h"

#include <windows.h>

#include "platform/display_change.h"
#include "win/gdi.h"

namespace vexel {

namespace {

// The sizes the program has always passed; the system reads the structures
// by these sizes, so they are fixed rather than taken from the headers.
constexpr WORD kDevModeSize = 156;
constexpr DWORD kVersionInfoSize = 148;
static_assert(sizeof(DEVMODEA) == kDevModeSize);
static_assert(sizeof(OSVERSIONINFOA) == kVersionInfoSize);

DEVMODEA EmptyDevMode() {
  DEVMODEA devMode{};
  devMode.dmSize = kDevModeSize;
  devMode.dmDriverExtra = 0;
  return devMode;
}

// Wine refuses a mode without its size (DISP_CHANGE_BADMODE), so every field
// is given.
DEVMODEA DevModeOf(const DisplayMode& mode) {
  DEVMODEA devMode = EmptyDevMode();
  devMode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
  devMode.dmBitsPerPel = static_cast<DWORD>(mode.BitsPerPel);
  devMode.dmPelsWidth = static_cast<DWORD>(mode.PelsWidth);
  devMode.dmPelsHeight = static_cast<DWORD>(mode.PelsHeight);
  devMode.dmDisplayFrequency = static_cast<DWORD>(mode.DisplayFrequency);
  return devMode;
}

int SizeOf(std::size_t size) { return static_cast<int>(size); }

}  // namespace

bool GdiDisplay::EnumMode(std::uint32_t number, DisplayMode& out) {
  DEVMODEA devMode = EmptyDevMode();
  if (!::EnumDisplaySettingsA(nullptr, number, &devMode)) return false;
  out = {static_cast<std::int32_t>(devMode.dmBitsPerPel), static_cast<std::int32_t>(devMode.dmPelsWidth),
         static_cast<std::int32_t>(devMode.dmPelsHeight), static_cast<std::int32_t>(devMode.dmDisplayFrequency)};
  return true;
}

int GdiDisplay::Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) {
  const win::ClientDC screen(nullptr);
  return ::ExtEscape(screen.Get(), code, SizeOf(input.size()), reinterpret_cast<LPCSTR>(input.data()),
                     SizeOf(output.size()), reinterpret_cast<LPSTR>(output.data()));
}

DeviceCaps GdiDisplay::Caps() {
  const win::ClientDC screen(nullptr);
  return {::GetDeviceCaps(screen.Get(), HORZRES), ::GetDeviceCaps(screen.Get(), VERTRES),
          ::GetDeviceCaps(screen.Get(), BITSPIXEL), ::GetDeviceCaps(screen.Get(), VREFRESH)};
}

long GdiDisplay::ChangeMode(const DisplayMode& mode, bool testOnly) {
  DEVMODEA devMode = DevModeOf(mode);
  return ::ChangeDisplaySettingsA(&devMode, testOnly ? CDS_TEST : 0);
}

void GdiDisplay::BroadcastDisplayChange(std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height) {
  PostDisplayChange(HWND_BROADCAST, bitsPerPixel, width, height);
}

VersionInfo GdiDisplay::Version() { return QuerySystemVersion(); }

VersionInfo QuerySystemVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = kVersionInfoSize;
  if (!::GetVersionExA(&info)) return {};
  return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

}  // namespace vexel
