// Ownership of device contexts and GDI objects: each class releases what it
// got in the way that matches how it was got, so no path leaks one.
#pragma once
#include <windows.h>

#include <utility>

namespace vexel::win {

// A GDI object (bitmap, brush, pen, font, region) deleted with the owner.
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : m_handle(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
    return *this;
  }

  Handle Get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (m_handle) ::DeleteObject(m_handle);
    m_handle = handle;
  }

 private:
  Handle m_handle;
};

// The device context of a window's client area, or of the screen for no
// window (GetDC / ReleaseDC).
class ClientDC {
 public:
  explicit ClientDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(::GetDC(hwnd)) {}
  ~ClientDC() {
    if (m_hdc) ::ReleaseDC(m_hwnd, m_hdc);
  }
  ClientDC(const ClientDC&) = delete;
  ClientDC& operator=(const ClientDC&) = delete;
  HDC Get() const { return m_hdc; }

 private:
  HWND m_hwnd;
  HDC m_hdc;
};

// A memory device context compatible with another (CreateCompatibleDC / DeleteDC).
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : m_hdc(::CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() {
    if (m_hdc) ::DeleteDC(m_hdc);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return m_hdc; }

 private:
  HDC m_hdc;
};

// A window's painting (BeginPaint / EndPaint).
class PaintDC {
 public:
  explicit PaintDC(HWND hwnd) : m_hwnd(hwnd), m_hdc(::BeginPaint(hwnd, &m_paint)) {}
  ~PaintDC() { ::EndPaint(m_hwnd, &m_paint); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return m_hdc; }

 private:
  HWND m_hwnd;
  PAINTSTRUCT m_paint{};
  HDC m_hdc;
};

// An object selected into a device context for one scope; the context gets
// its previous object back, so the object can be deleted afterwards.
class SelectedObject {
 public:
  SelectedObject(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_previous(::SelectObject(hdc, object)) {}
  ~SelectedObject() {
    if (m_previous) ::SelectObject(m_hdc, m_previous);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC m_hdc;
  HGDIOBJ m_previous;
};

}  // namespace vexel::win
