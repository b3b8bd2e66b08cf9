// CEvent: an owned Win32 event object.
#pragma once
#include <windows.h>

#include "win/unique_handle.h"

namespace vexel::win {

class CEvent {
 public:
  // Automatic reset, created unsignalled unless told otherwise.
  explicit CEvent(bool manualReset = false, bool initiallySignalled = false)
      : m_hObject(::CreateEventA(nullptr, manualReset, initiallySignalled, nullptr)) {}

  bool IsValid() const { return m_hObject.Get() != nullptr; }
  bool SetEvent() const { return ::SetEvent(m_hObject.Get()) != FALSE; }
  // True when the event was signalled within the time.
  bool Wait(DWORD milliseconds) const { return ::WaitForSingleObject(m_hObject.Get(), milliseconds) == WAIT_OBJECT_0; }
  HANDLE GetHandle() const { return m_hObject.Get(); }

 private:
  UniqueHandle m_hObject;
};

}  // namespace vexel::win
