#include "info/probe/gl_api.h"

#include <GL/gl.h>

#include <algorithm>

namespace vexel {
namespace {

// The entry point of the library's `name`, or null.
template <typename Function>
Function EntryPoint(HMODULE library, const char* name) {
  // Through the generic function pointer type, which any function pointer may be cast to.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
}

}  // namespace

struct WglApi::Entries {
  decltype(&::wglCreateContext) createContext;
  decltype(&::wglMakeCurrent) makeCurrent;
  decltype(&::wglDeleteContext) deleteContext;
  decltype(&::glGetString) getString;
  decltype(&::glClearColor) clearColor;
  decltype(&::glClearIndex) clearIndex;
  decltype(&::glLoadIdentity) loadIdentity;

  bool Complete() const {
    return createContext && makeCurrent && deleteContext && getString && clearColor && clearIndex && loadIdentity;
  }
};

WglApi::WglApi() : library_(::LoadLibraryA("opengl32.dll")) {
  if (!library_) return;
  HMODULE library = library_.get();
  const Entries entries{EntryPoint<decltype(Entries::createContext)>(library, "wglCreateContext"),
                        EntryPoint<decltype(Entries::makeCurrent)>(library, "wglMakeCurrent"),
                        EntryPoint<decltype(Entries::deleteContext)>(library, "wglDeleteContext"),
                        EntryPoint<decltype(Entries::getString)>(library, "glGetString"),
                        EntryPoint<decltype(Entries::clearColor)>(library, "glClearColor"),
                        EntryPoint<decltype(Entries::clearIndex)>(library, "glClearIndex"),
                        EntryPoint<decltype(Entries::loadIdentity)>(library, "glLoadIdentity")};
  if (entries.Complete()) entries_ = std::make_unique<const Entries>(entries);
}

WglApi::~WglApi() = default;

int WglApi::ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& wanted) { return ::ChoosePixelFormat(dc, &wanted); }

bool WglApi::SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& wanted) {
  return ::SetPixelFormat(dc, format, &wanted) != FALSE;
}

int WglApi::GetPixelFormat(HDC dc) { return ::GetPixelFormat(dc); }

bool WglApi::DescribePixelFormat(HDC dc, int format, PIXELFORMATDESCRIPTOR& description) {
  return ::DescribePixelFormat(dc, format, sizeof(description), &description) != 0;
}

HGLRC WglApi::CreateContext(HDC dc) { return entries_ ? entries_->createContext(dc) : nullptr; }

bool WglApi::MakeCurrent(HDC dc, HGLRC context) { return entries_ && entries_->makeCurrent(dc, context) != FALSE; }

void WglApi::DeleteContext(HGLRC context) {
  if (entries_) entries_->deleteContext(context);
}

std::string WglApi::GetString(unsigned name) {
  const auto* text = entries_ ? reinterpret_cast<const char*>(entries_->getString(name)) : nullptr;
  return text ? text : "";
}

void WglApi::ClearColor(float red, float green, float blue, float alpha) {
  if (entries_) entries_->clearColor(red, green, blue, alpha);
}

void WglApi::ClearIndex(float index) {
  if (entries_) entries_->clearIndex(index);
}

void WglApi::LoadIdentity() {
  if (entries_) entries_->loadIdentity();
}

UINT WglApi::SetSystemPaletteUse(HDC dc, UINT use) { return ::SetSystemPaletteUse(dc, use); }

COLORREF WglApi::GetSysColor(int element) { return ::GetSysColor(element); }

void WglApi::SetSysColors(std::span<const int> elements, std::span<const COLORREF> colors) {
  const auto count = static_cast<int>(std::min(elements.size(), colors.size()));
  ::SetSysColors(count, elements.data(), colors.data());
}

void WglApi::BroadcastSysColorChange() { ::PostMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0); }

}  // namespace vexel
