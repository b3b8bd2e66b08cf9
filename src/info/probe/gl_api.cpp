#include "info/probe/gl_api.h"

#include <GL/gl.h>

#include <algorithm>

namespace vexel {

int WglApi::ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& wanted) { return ::ChoosePixelFormat(dc, &wanted); }

bool WglApi::SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& wanted) {
  return ::SetPixelFormat(dc, format, &wanted) != FALSE;
}

int WglApi::GetPixelFormat(HDC dc) { return ::GetPixelFormat(dc); }

bool WglApi::DescribePixelFormat(HDC dc, int format, PIXELFORMATDESCRIPTOR& description) {
  return ::DescribePixelFormat(dc, format, sizeof(description), &description) != 0;
}

HGLRC WglApi::CreateContext(HDC dc) { return ::wglCreateContext(dc); }

bool WglApi::MakeCurrent(HDC dc, HGLRC context) { return ::wglMakeCurrent(dc, context) != FALSE; }

void WglApi::DeleteContext(HGLRC context) { ::wglDeleteContext(context); }

std::string WglApi::GetString(unsigned name) {
  const auto* text = reinterpret_cast<const char*>(::glGetString(name));
  return text ? text : "";
}

UINT WglApi::SetSystemPaletteUse(HDC dc, UINT use) { return ::SetSystemPaletteUse(dc, use); }

COLORREF WglApi::GetSysColor(int element) { return ::GetSysColor(element); }

void WglApi::SetSysColors(std::span<const int> elements, std::span<const COLORREF> colors) {
  const auto count = static_cast<int>(std::min(elements.size(), colors.size()));
  ::SetSysColors(count, elements.data(), colors.data());
}

void WglApi::BroadcastSysColorChange() { ::PostMessageA(HWND_BROADCAST, WM_SYSCOLORCHANGE, 0, 0); }

}  // namespace vexel
