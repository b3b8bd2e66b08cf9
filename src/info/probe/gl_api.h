// GlApi: the seam between the OpenGL window component and the calls whose
// answers it reacts to (pixel formats, rendering contexts, the GL strings) or
// that change the whole desktop (system palette use and system colours).
// WglApi makes the real calls; tests replace single answers to reach the
// branches that the machine's OpenGL implementation does not produce.
#pragma once
#include <windows.h>

#include <memory>
#include <span>
#include <string>
#include <type_traits>

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
  // The current context's starting state: its clear colour and index, and
  // the identity as its current matrix.
  virtual void ClearColor(float red, float green, float blue, float alpha) = 0;
  virtual void ClearIndex(float index) = 0;
  virtual void LoadIdentity() = 0;

  // The previous use (SYSPAL_STATIC, SYSPAL_NOSTATIC), or SYSPAL_ERROR.
  virtual UINT SetSystemPaletteUse(HDC dc, UINT use) = 0;
  virtual COLORREF GetSysColor(int element) = 0;
  // One call for all elements.
  virtual void SetSysColors(std::span<const int> elements, std::span<const COLORREF> colors) = 0;
  // Tells every top-level window that the system colours changed.
  virtual void BroadcastSysColorChange() = 0;
};

// The OpenGL library is loaded by the object and freed with it, so only a
// run that probes loads it. The probe's objects share one WglApi, and the last
// of them goes when the probe is done with every call, on whichever thread
// lets go of it last. Without the library each call fails as it would with an
// implementation that refused it.
class WglApi : public GlApi {
 public:
  WglApi();
  ~WglApi() override;
  WglApi(const WglApi&) = delete;
  WglApi& operator=(const WglApi&) = delete;

  int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& wanted) override;
  bool SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& wanted) override;
  int GetPixelFormat(HDC dc) override;
  bool DescribePixelFormat(HDC dc, int format, PIXELFORMATDESCRIPTOR& description) override;
  HGLRC CreateContext(HDC dc) override;
  bool MakeCurrent(HDC dc, HGLRC context) override;
  void DeleteContext(HGLRC context) override;
  std::string GetString(unsigned name) override;
  void ClearColor(float red, float green, float blue, float alpha) override;
  void ClearIndex(float index) override;
  void LoadIdentity() override;
  UINT SetSystemPaletteUse(HDC dc, UINT use) override;
  COLORREF GetSysColor(int element) override;
  void SetSysColors(std::span<const int> elements, std::span<const COLORREF> colors) override;
  void BroadcastSysColorChange() override;

 private:
  struct Entries;
  struct LibraryRelease {
    void operator()(HMODULE module) const { ::FreeLibrary(module); }
  };

  std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease> library_;
  std::unique_ptr<const Entries> entries_;
};

}  // namespace vexel
