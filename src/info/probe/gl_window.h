// CGlWindow: the small OpenGL window component. It opens one overlapped window
// of class "tkLibWClass" with an RGBA pixel format, a palette where the format
// needs one and a rendering context current on the opening thread, and
// releases all of it whenever the window is destroyed. Everything here belongs
// to the thread that opened the window; failures show an "Error" box.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

#include "info/probe/gl_api.h"
#include "info/probe/gl_window_rect.h"
#include "info/probe/sys_color_takeover.h"
#include "platform/registry.h"
#include "win/gdi.h"
#include "win/message_map.h"
#include "win/wnd.h"

namespace vexel {

class CGlWindow : public win::CWnd {
 public:
  // Display-mode bit: a double-buffered RGBA format (the only mode in use).
  static constexpr unsigned kDoubleBuffered = 0x2;
  static constexpr const char* kClassName = "tkLibWClass";

  // The registry gives the user's colour settings back after a take-over.
  CGlWindow(std::shared_ptr<Registry> registry, std::shared_ptr<GlApi> gl);
  ~CGlWindow() override;

  // The window's outer top-left corner and its client size, in pixels.
  void GlWinInitPosition(int x, int y, int width, int height);
  void GlWinInitDisplayMode(unsigned mode);
  // True when the window is open with its context current on this thread.
  bool GlWinOpen(const std::string& title);
  void GlWinClose();

 private:
  struct PaletteRelease {
    HDC dc;
    void operator()(HPALETTE palette) const;
  };
  struct ContextRelease {
    GlApi* gl;
    void operator()(HGLRC context) const;
  };
  using PaletteHandle = std::unique_ptr<std::remove_pointer_t<HPALETTE>, PaletteRelease>;
  using ContextHandle = std::unique_ptr<std::remove_pointer_t<HGLRC>, ContextRelease>;

  LRESULT OnDestroy(const win::Msg& msg);

  bool CreateGlWindow(const std::string& title);
  bool SetUpPixelFormat();
  void SetUpPalette();
  void SelectPalette(const PIXELFORMATDESCRIPTOR& format);
  bool SetUpContext();
  // Shows the message, destroys the window and answers false.
  bool FailOpen(const std::string& message);
  void ShowError(const std::string& message) const;
  // The window's device context while it has one.
  HDC Dc() const { return m_dc ? m_dc->Get() : nullptr; }
  // The release steps, run when the window is destroyed.
  void ReleaseWindowResources();

  std::shared_ptr<GlApi> m_gl;
  GlWindowPlacement m_placement;
  unsigned m_displayMode = kDoubleBuffered;
  // Failures are shown while this is on; nothing in the program turns it off.
  bool m_bShowMessages = true;
  std::optional<win::ClientDC> m_dc;
  PaletteHandle m_palette;
  ContextHandle m_context;
  CSysColorTakeover m_sysColors;
};

}  // namespace vexel
