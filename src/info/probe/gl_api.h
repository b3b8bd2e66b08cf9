// GlApi: the seam between the OpenGL window component and the calls whose
// answers it reacts to (pixel formats, rendering contexts, the GL strings) or
// that change the whole desktop (system palette use and system colours).
// WglApi makes the real calls; tests replace single answers to reach the
// branches that the machine's OpenGL implementation does not produce.
#pragma once
#include <windows.h>

#include <span>
#include <string>

namespace vexel {

class GlApi {
 public:
  virtual ~GlApi() = default;

  // 0 when no format fits.
  virtual int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& wanted) = 0;
  virtual bool SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& wanted) = 0;
  // 0 when the device context has no format.
  virtual int GetPixelFormat(HDC dc) = 0;
  virtual bool DescribePixelFormat(HDC dc, int format, PIXELFORMATDESCRIPTOR& description) = 0;

  virtual HGLRC CreateContext(HDC dc) = 0;
  // With no context, makes none current on this thread.
  virtual bool MakeCurrent(HDC dc, HGLRC context) = 0;
  virtual void DeleteContext(HGLRC context) = 0;
  // glGetString of the current context; empty when the implementation returns none.
  virtual std::string GetString(unsigned name) = 0;

  // The previous use (SYSPAL_STATIC, SYSPAL_NOSTATIC), or SYSPAL_ERROR.
  virtual UINT SetSystemPaletteUse(HDC dc, UINT use) = 0;
  virtual COLORREF GetSysColor(int element) = 0;
  // One call for all elements.
  virtual void SetSysColors(std::span<const int> elements, std::span<const COLORREF> colors) = 0;
  // Tells every top-level window that the system colours changed.
  virtual void BroadcastSysColorChange() = 0;
};

class WglApi : public GlApi {
 public:
  int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& wanted) override;
  bool SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& wanted) override;
  int GetPixelFormat(HDC dc) override;
  bool DescribePixelFormat(HDC dc, int format, PIXELFORMATDESCRIPTOR& description) override;
  HGLRC CreateContext(HDC dc) override;
  bool MakeCurrent(HDC dc, HGLRC context) override;
  void DeleteContext(HGLRC context) override;
  std::string GetString(unsigned name) override;
  UINT SetSystemPaletteUse(HDC dc, UINT use) override;
  COLORREF GetSysColor(int element) override;
  void SetSysColors(std::span<const int> elements, std::span<const COLORREF> colors) override;
  void BroadcastSysColorChange() override;
};

}  // namespace vexel
