#include "win/win_thread.h"

#include <exception>

namespace vexel::win {

bool CWinThread::CreateThread(int priority) {
  // The thread's own reference keeps the object alive until the thread ends.
  auto* keepAlive = new std::shared_ptr<CWinThread>(shared_from_this());
  m_hThread.Reset(::CreateThread(nullptr, 0, &CWinThread::ThreadMain, keepAlive, CREATE_SUSPENDED, nullptr));
  if (!m_hThread.Get()) {
    delete keepAlive;
    return false;
  }
  ::SetThreadPriority(m_hThread.Get(), priority);
  ::ResumeThread(m_hThread.Get());
  return true;
}

DWORD WINAPI CWinThread::ThreadMain(LPVOID parameter) {
  std::unique_ptr<std::shared_ptr<CWinThread>> self(static_cast<std::shared_ptr<CWinThread>*>(parameter));
  return (*self)->Run();
}

DWORD CWinThread::Run() {
  try {
    if (InitInstance()) {
      MSG msg;
      while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    return static_cast<DWORD>(ExitInstance());
  } catch (...) {
    return static_cast<DWORD>(-1);
  }
}

}  // namespace vexel::win
