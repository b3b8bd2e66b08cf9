// CEvent: an owned Win32 event object.
#pragma once
#include <windows.h>

namespace vexel::win {

class CEvent {
 public:
  // Automatic reset, created unsignalled unless told otherwise.
  explicit CEvent(bool manualReset = false, bool initiallySignalled = false)
      : m_hObject(::CreateEventA(nullptr, manualReset, initiallySignalled, nullptr)) {}
  ~CEvent() {
    if (m_hObject) ::CloseHandle(m_hObject);
  }
  CEvent(const CEvent&) = delete;
  CEvent& operator=(const CEvent&) = delete;

  bool IsValid() const { return m_hObject != nullptr; }
  bool SetEvent() const { return ::SetEvent(m_hObject) != FALSE; }
  // True when the event was signalled within the time.
  bool Wait(DWORD milliseconds) const { return ::WaitForSingleObject(m_hObject, milliseconds) == WAIT_OBJECT_0; }
  HANDLE GetHandle() const { return m_hObject; }

 private:
  HANDLE m_hObject;
};

}  // namespace vexel::win
