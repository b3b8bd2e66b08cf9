// Which libraries a run of vexelpanel.exe loads, as a debugger hears of them:
// OpenGL only when the probe runs, the animation's video codecs only once a
// page with the animation is shown, so a quiet export loads neither.
#include <windows.h>
#include <prsht.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "support/program.h"
#include "support/registry_root.h"
#include "support/scratch_folder.h"

namespace vexel::test {
namespace {

// The lower-case file name of a library the program loaded.
std::string LibraryName(HANDLE file) {
  char path[MAX_PATH] = {};
  if (!::GetFinalPathNameByHandleA(file, path, MAX_PATH, 0)) return "<unnamed>";
  std::string name(path);
  name.erase(0, name.find_last_of("\\/") + 1);
  std::ranges::transform(name, name.begin(), [](unsigned char c) { return static_cast<char>(::tolower(c)); });
  return name;
}

// Closes the program's sheet once it is visible, as Cancel would.
void CancelSheet(DWORD process) {
  HWND sheet = nullptr;
  while ((sheet = ::FindWindowExA(nullptr, sheet, nullptr, "VexelPanel")) != nullptr) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(sheet, &owner);
    if (owner == process && ::IsWindowVisible(sheet)) ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
}

// Runs the program under this thread's debugging, cancels its sheet once it
// is shown, and gives the libraries it loaded until it ended.
std::set<std::string> LibrariesLoaded(const std::string& arguments) {
  std::string commandLine = "\"" + ProgramPath() + "\" " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::set<std::string> loaded;
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr, nullptr,
                        &startup, &process)) {
    return loaded;
  }
  const ULONGLONG deadline = ::GetTickCount64() + 20000;
  DEBUG_EVENT event{};
  while (::GetTickCount64() < deadline) {
    if (!::WaitForDebugEvent(&event, 100)) {
      CancelSheet(process.dwProcessId);
      continue;
    }
    DWORD status = DBG_CONTINUE;
    if (event.dwDebugEventCode == LOAD_DLL_DEBUG_EVENT) {
      loaded.insert(LibraryName(event.u.LoadDll.hFile));
      ::CloseHandle(event.u.LoadDll.hFile);
    } else if (event.dwDebugEventCode == CREATE_PROCESS_DEBUG_EVENT) {
      ::CloseHandle(event.u.CreateProcessInfo.hFile);
    } else if (event.dwDebugEventCode == EXCEPTION_DEBUG_EVENT &&
               event.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
      status = DBG_EXCEPTION_NOT_HANDLED;
    }
    ::ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
    if (event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) break;
  }
  ::TerminateProcess(process.hProcess, 99);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return loaded;
}

struct PanelRun {
  const char* arguments;
  std::set<std::string> loads, leaves;
};

TEST(LoadedLibraries, ARunLoadsOpenGlAndTheCodecsOnlyWhenItUsesThem) {
  TestRegistryRoot root;
  ::SetEnvironmentVariableA("VEXELPANEL_SIMULATE", ("hawk,root=" + root.Path()).c_str());
  ScratchFolder folder;
  const PanelRun runs[] = {
      {"-q -n -f out.bat",
       {"comctl32.dll"},
       {"opengl32.dll", "msvfw32.dll", "msrle32.dll", "winmm.dll", "msacm32.dll"}},
      {"-n", {"msvfw32.dll", "msrle32.dll"}, {"opengl32.dll"}},
      {"", {"opengl32.dll", "msvfw32.dll"}, {}},
  };
  for (const PanelRun& run : runs) {
    const std::set<std::string> loaded = LibrariesLoaded(run.arguments);
    for (const std::string& name : run.loads) EXPECT_TRUE(loaded.contains(name)) << run.arguments << ": " << name;
    for (const std::string& name : run.leaves) EXPECT_FALSE(loaded.contains(name)) << run.arguments << ": " << name;
  }
  EXPECT_TRUE(folder.Read("out.bat").has_value());
  ::SetEnvironmentVariableA("VEXELPANEL_SIMULATE", nullptr);
}

}  // namespace
}  // namespace vexel::test
