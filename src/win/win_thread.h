// CWinThread: a worker thread that runs an object's InitInstance and, when that
// returns false, ends at once without a message loop. The thread holds its own
// reference to the object, so a caller that stops waiting may let go of it: a
// late thread never touches freed memory and nothing is left behind.
#pragma once
#include <windows.h>

#include <memory>

#include "win/unique_handle.h"

namespace vexel::win {

class CWinThread : public std::enable_shared_from_this<CWinThread> {
 public:
  CWinThread() = default;
  virtual ~CWinThread() = default;
  CWinThread(const CWinThread&) = delete;
  CWinThread& operator=(const CWinThread&) = delete;

  // Starts the thread with the priority (THREAD_PRIORITY_*), the default stack
  // size and no creation flags. False when it could not be started.
  bool CreateThread(int priority = THREAD_PRIORITY_NORMAL);
  HANDLE GetThreadHandle() const { return m_hThread.Get(); }

  virtual BOOL InitInstance() = 0;
  virtual int ExitInstance() { return 0; }

 private:
  static DWORD WINAPI ThreadMain(LPVOID parameter);
  // Runs the thread's body until it ends.
  DWORD Run();

  UniqueHandle m_hThread;
};

}  // namespace vexel::win
