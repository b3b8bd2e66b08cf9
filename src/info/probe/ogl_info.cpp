#include "info/probe/ogl_info.h"

#include <GL/gl.h>

#include "core/ascii_case.h"
#include "info/probe/gl_window.h"
#include "info/probe/probe_result.h"

namespace vexel {

COglInfo::COglInfo(std::shared_ptr<Registry> registry, std::shared_ptr<GlApi> gl)
    : m_registry(std::move(registry)), m_gl(std::move(gl)) {}

BOOL COglInfo::InitInstance() {
  {
    CGlWindow window(m_registry, m_gl);
    window.GlWinInitPosition(0, 0, 1, 1);
    window.GlWinInitDisplayMode(CGlWindow::kDoubleBuffered);
    if (window.GlWinOpen("Get Version")) {
      m_strResult = ReadImplementation();
      window.GlWinClose();
    } else {
      m_strResult = kOpenGlWindowFailedText;
    }
  }
  m_event.SetEvent();
  // No message loop: the thread ends here.
  return FALSE;
}

std::string COglInfo::ReadImplementation() const {
  std::string vendor = AsciiUpperCased(m_gl->GetString(GL_VENDOR));
  return IsMakersImplementation(vendor) ? m_gl->GetString(GL_VERSION) : vendor;
}

std::optional<std::string> RunOpenGlProbe(std::shared_ptr<COglInfo> probe, DWORD waitMs) {
  if (!probe->CreateThread(THREAD_PRIORITY_NORMAL)) return std::nullopt;
  if (!probe->CompletionEvent().Wait(waitMs)) return std::string(kOpenGlTimedOutText);
  return probe->Result();
}

}  // namespace vexel
