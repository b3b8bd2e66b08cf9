// The program under test, built next to the test executables.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vexel::test {

// Full path of vexelpanel.exe beside the running test.
std::string ProgramPath();

// The program file loaded for its resources only, freed on destruction.
class ProgramResources {
 public:
  ProgramResources();
  ~ProgramResources();
  ProgramResources(const ProgramResources&) = delete;
  ProgramResources& operator=(const ProgramResources&) = delete;
  HMODULE Module() const { return m_module; }

 private:
  HMODULE m_module;
};

// vexelpanel.exe started with arguments and an environment of the test's
// choosing; terminated on destruction if it is still running, so a failing
// test never leaves it behind.
class RunningProgram {
 public:
  // `environment` holds extra NAME=value pairs added to the test's own.
  explicit RunningProgram(const std::string& arguments, const std::vector<std::string>& environment = {});
  // Another copy of the program, named in UTF-16 so that any folder name works.
  RunningProgram(const std::wstring& program, const std::string& arguments,
                 const std::vector<std::string>& environment = {});
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool Started() const { return m_process.hProcess != nullptr; }
  // A visible top-level window of the program with this caption, or null.
  HWND WaitForWindow(const std::string& caption, DWORD timeoutMs = 20000) const;
  // The exit code once the program ended, or nothing after the time-out.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = 20000) const;

 private:
  PROCESS_INFORMATION m_process{};
};

}  // namespace vexel::test
