#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "core/display_mode.h"
#include "core/mode_source.h"

namespace vexel {

// QUERYESCSUPPORT: asks whether the driver supports the escape in its input.
inline constexpr std::int32_t kQueryEscSupportEscape = 8;

// ChangeDisplaySettingsA results, with the Win32 numbers.
inline constexpr long kDispChangeSuccessful = 0;
inline constexpr long kDispChangeFailed = -1;
inline constexpr long kDispChangeBadMode = -2;

// What GetDeviceCaps says of the running display.
struct DeviceCaps {
  std::int32_t width = 0;         // HORZRES
  std::int32_t height = 0;        // VERTRES
  std::int32_t bitsPerPixel = 0;  // BITSPIXEL
  std::int32_t refresh = 0;       // VREFRESH

  friend bool operator==(const DeviceCaps&, const DeviceCaps&) = default;
};

// VER_PLATFORM_WIN32_WINDOWS and VER_PLATFORM_WIN32_NT.
inline constexpr std::uint32_t kPlatformWin32Windows = 1;
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

// What GetVersionExA says of the system.
struct VersionInfo {
  std::uint32_t platformId = 0;
  std::uint32_t majorVersion = 0;
  std::uint32_t minorVersion = 0;
  std::uint32_t buildNumber = 0;
};

// The screen and its display driver: escapes on the screen's device context,
// its capabilities, its list of modes (EnumMode, numbered from 0), mode
// changes and the announcement of one.
class Display : public ModeSource {
 public:
  // ExtEscape on the screen's device context; the driver's result, where
  // 0 means "not supported" and a negative value a failure.
  virtual int Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) = 0;
  virtual DeviceCaps Caps() = 0;
  // ChangeDisplaySettingsA with CDS_TEST (`testOnly`) or with 0; a
  // DISP_CHANGE code.
  virtual long ChangeMode(const DisplayMode& mode, bool testOnly) = 0;
  // WM_DISPLAYCHANGE with wParam `bitsPerPixel` and the size in lParam.
  virtual void BroadcastDisplayChange(std::uint32_t bitsPerPixel, std::int32_t width, std::int32_t height) = 0;
  virtual VersionInfo Version() = 0;

  // QUERYESCSUPPORT with a 4-byte input holding `escape`.
  bool QueryEscapeSupport(std::int32_t escape);
};

// The 4-byte little-endian input the escapes take: their own code.
std::array<std::uint8_t, 4> EscapeInput(std::int32_t code);

}  // namespace vexel
