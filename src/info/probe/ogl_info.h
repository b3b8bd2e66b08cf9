// COglInfo: the OpenGL probe. A worker thread that opens a one-pixel OpenGL
// window, reads which implementation serves it, leaves a text and signals its
// event once that text is final. It ends without a message loop.
#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "info/probe/gl_api.h"
#include "platform/registry.h"
#include "win/event.h"
#include "win/win_thread.h"

namespace vexel {

class COglInfo : public win::CWinThread {
 public:
  // Owned by std::shared_ptr: the running thread keeps the object, and with it
  // these seams, alive until it ends.
  COglInfo(std::shared_ptr<Registry> registry, std::shared_ptr<GlApi> gl);

  // Automatic reset, unsignalled until the result is final.
  const win::CEvent& CompletionEvent() const { return m_event; }
  // Read it only after CompletionEvent() was signalled.
  const std::string& Result() const { return m_strResult; }

  BOOL InitInstance() override;

 private:
  // The upper-cased vendor, or the version for the maker's own implementation.
  std::string ReadImplementation() const;

  win::CEvent m_event;
  std::string m_strResult;
  std::shared_ptr<Registry> m_registry;
  std::shared_ptr<GlApi> m_gl;
};

inline constexpr DWORD kOpenGlProbeWaitMs = 10000;

// Starts the probe's thread with normal priority and waits for its signal at
// most `waitMs`. Gives the probe's text when it signalled in time, the
// time-out text when it did not (the late probe then finishes and frees
// itself on its own thread), and nothing when the thread could not be
// started, so the caller keeps the text it has.
std::optional<std::string> RunOpenGlProbe(std::shared_ptr<COglInfo> probe, DWORD waitMs = kOpenGlProbeWaitMs);

}  // namespace vexel
