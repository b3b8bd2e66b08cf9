#include "info/probe/gl_window.h"

#include <cstdint>

#include "info/probe/error_text.h"
#include "info/probe/rgb_palette.h"
#include "info/probe/sys_colors.h"
#include "platform/gdi_display.h"
#include "win/message_box.h"

namespace vexel {
namespace {

static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);

// A LOGPALETTE with room for the largest palette a format can need.
struct RgbLogPalette {
  WORD palVersion;
  WORD palNumEntries;
  PALETTEENTRY palPalEntry[1u << kMaxPaletteColorBits];
};

// Window and GDI handles are 32-bit values even in a 64-bit process, so the
// messages' %08lX shows them whole.
unsigned long HandleNumber(const void* handle) {
  return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(handle));
}

FrameMetrics CurrentFrameMetrics() {
  return {::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME), ::GetSystemMetrics(SM_CYCAPTION),
          ::GetSystemMetrics(SM_CYBORDER)};
}

// A class left registered by an earlier window of this process serves again.
bool RegisterGlWindowClass() {
  WNDCLASSA windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
  windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = CGlWindow::kClassName;
  return win::RegisterWindowClass(windowClass);
}

PIXELFORMATDESCRIPTOR RequestedPixelFormat(unsigned displayMode) {
  PIXELFORMATDESCRIPTOR format{};
  format.nSize = sizeof(format);
  format.nVersion = 1;
  format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
  if (displayMode & CGlWindow::kDoubleBuffered) format.dwFlags |= PFD_DOUBLEBUFFER;
  format.iPixelType = PFD_TYPE_RGBA;
  format.cColorBits = 24;
  format.iLayerType = PFD_MAIN_PLANE;
  return format;
}

// Null when the format's colour bits give no palette.
HPALETTE CreateRgbPalette(const PIXELFORMATDESCRIPTOR& format) {
  const auto entries = RgbPaletteEntries({format.cColorBits,
                                          {format.cRedBits, format.cRedShift},
                                          {format.cGreenBits, format.cGreenShift},
                                          {format.cBlueBits, format.cBlueShift}});
  if (entries.empty()) return nullptr;
  RgbLogPalette palette{0x300, static_cast<WORD>(entries.size()), {}};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    palette.palPalEntry[i] = {entries[i].red, entries[i].green, entries[i].blue, 0};
  }
  return ::CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
}

}  // namespace

void CGlWindow::PaletteRelease::operator()(HPALETTE palette) const {
  ::SelectPalette(dc, static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE)), FALSE);
  ::DeleteObject(palette);
}

void CGlWindow::ContextRelease::operator()(HGLRC context) const {
  gl->MakeCurrent(nullptr, nullptr);
  gl->DeleteContext(context);
}

CGlWindow::CGlWindow(std::shared_ptr<Registry> registry, std::shared_ptr<GlApi> gl)
    : m_gl(gl), m_sysColors(std::move(registry), std::move(gl)) {
  static const win::MsgEntry<CGlWindow> kMessageMap[] = {
      win::OnMessage(WM_DESTROY, &CGlWindow::OnDestroy),
  };
  SetMessageMap(kMessageMap);
}

CGlWindow::~CGlWindow() { GlWinClose(); }

void CGlWindow::GlWinInitPosition(int x, int y, int width, int height) { m_placement = {x, y, width, height}; }

void CGlWindow::GlWinInitDisplayMode(unsigned mode) { m_displayMode = mode; }

bool CGlWindow::GlWinOpen(const std::string& title) {
  m_sysColors.SetElementCount(TakenOverElementCount(QuerySystemVersion()));
  if (!RegisterGlWindowClass()) {
    ShowError("Failed to register window class\n");
    return false;
  }
  if (!CreateGlWindow(title)) {
    ShowError("create window failed\n");
    return false;
  }
  ::ShowWindow(m_hWnd, SW_SHOWDEFAULT);
  m_dc.emplace(m_hWnd);
  if (!Dc()) return FailOpen(FormatErrorText("Could not get an HDC for window 0x%08lX\n", HandleNumber(m_hWnd)));
  if (!SetUpPixelFormat()) return false;
  SetUpPalette();
  if (!SetUpContext()) return false;
  m_gl->ClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  m_gl->ClearIndex(0.0f);
  m_gl->LoadIdentity();
  return true;
}

void CGlWindow::GlWinClose() {
  if (m_hWnd) ::DestroyWindow(m_hWnd);
}

bool CGlWindow::CreateGlWindow(const std::string& title) {
  const PixelRect client = GlClientRect(m_placement, CurrentFrameMetrics());
  RECT outer{client.left, client.top, client.right, client.bottom};
  ::AdjustWindowRect(&outer, WS_OVERLAPPEDWINDOW, FALSE);
  return CreateEx(0, kClassName, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, outer, nullptr);
}

bool CGlWindow::SetUpPixelFormat() {
  const PIXELFORMATDESCRIPTOR wanted = RequestedPixelFormat(m_displayMode);
  const int format = m_gl->ChoosePixelFormat(Dc(), wanted);
  if (format == 0) return FailOpen("Selecting a pixel format failed\n");
  if (!m_gl->SetPixelFormat(Dc(), format, wanted)) return FailOpen("SetPixelFormat failed\n");
  return true;
}

void CGlWindow::SetUpPalette() {
  const int format = m_gl->GetPixelFormat(Dc());
  if (format == 0) {
    ShowError(FormatErrorText("Could not get pixel format for Dc 0x%08lX\n", HandleNumber(Dc())));
    return;
  }
  PIXELFORMATDESCRIPTOR described{};
  if (!m_gl->DescribePixelFormat(Dc(), format, described)) {
    ShowError(FormatErrorText("Could not get a description of pixel format %d\n", format));
    return;
  }
  if (described.iPixelType == PFD_TYPE_RGBA && (described.dwFlags & PFD_NEED_PALETTE)) SelectPalette(described);
}

void CGlWindow::SelectPalette(const PIXELFORMATDESCRIPTOR& format) {
  m_palette = PaletteHandle(CreateRgbPalette(format), PaletteRelease{Dc()});
  if (!m_palette) return;
  ::SelectPalette(Dc(), m_palette.get(), FALSE);
  // A format that needs the whole system palette gets it only when the static
  // colours could be freed; otherwise its palette stays unrealised.
  const bool needsSystemPalette = (format.dwFlags & PFD_NEED_SYSTEM_PALETTE) != 0;
  if (needsSystemPalette && !m_sysColors.IsTakenOver() && !m_sysColors.TakeOver(Dc())) return;
  ::RealizePalette(Dc());
}

bool CGlWindow::SetUpContext() {
  m_context = ContextHandle(m_gl->CreateContext(Dc()), ContextRelease{m_gl.get()});
  if (!m_context) return FailOpen("wglCreateContext Failed\n");
  if (!m_gl->MakeCurrent(Dc(), m_context.get())) return FailOpen("wglMakeCurrent Failed\n");
  return true;
}

bool CGlWindow::FailOpen(const std::string& message) {
  ShowError(message);
  GlWinClose();
  return false;
}

void CGlWindow::ShowError(const std::string& message) const {
  if (m_bShowMessages) win::ShowMessageBox(::GetFocus(), message, "Error", MB_OK);
}

void CGlWindow::ReleaseWindowResources() {
  if (m_palette && m_sysColors.IsTakenOver()) {
    try {
      m_sysColors.GiveBack(Dc());
    } catch (...) {
      // Out of memory while reading the user's colours: the rest must still go.
    }
  }
  m_palette.reset();
  m_context.reset();
  m_dc.reset();
  ::PostQuitMessage(1);
}

LRESULT CGlWindow::OnDestroy(const win::Msg&) {
  ReleaseWindowResources();
  return 0;
}

}  // namespace vexel
