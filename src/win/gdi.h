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
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) ::DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_;
};

// The device context of a window's client area, or of the screen for no
// window (GetDC / ReleaseDC).
class ClientDC {
 public:
  explicit ClientDC(HWND hwnd) : hwnd_(hwnd), hdc_(::GetDC(hwnd)) {}
  ~ClientDC() {
    if (hdc_) ::ReleaseDC(hwnd_, hdc_);
  }
  ClientDC(const ClientDC&) = delete;
  ClientDC& operator=(const ClientDC&) = delete;
  HDC Get() const { return hdc_; }

 private:
  HWND hwnd_;
  HDC hdc_;
};

// A memory device context compatible with another (CreateCompatibleDC / DeleteDC).
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatibleWith) : hdc_(::CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDC() {
    if (hdc_) ::DeleteDC(hdc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  HDC Get() const { return hdc_; }

 private:
  HDC hdc_;
};

// A window's painting (BeginPaint / EndPaint).
class PaintDC {
 public:
  explicit PaintDC(HWND hwnd) : hwnd_(hwnd), hdc_(::BeginPaint(hwnd, &paint_)) {}
  ~PaintDC() { ::EndPaint(hwnd_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC Get() const { return hdc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC hdc_;
};

// An object selected into a device context for one scope; the context gets
// its previous object back, so the object can be deleted afterwards.
class SelectedObject {
 public:
  SelectedObject(HDC hdc, HGDIOBJ object) : hdc_(hdc), previous_(::SelectObject(hdc, object)) {}
  ~SelectedObject() {
    if (previous_) ::SelectObject(hdc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC hdc_;
  HGDIOBJ previous_;
};

}  // namespace vexel::win
