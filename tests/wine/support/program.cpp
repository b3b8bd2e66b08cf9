#include "support/program.h"

#include <cstring>

namespace vexel::test {

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + "vexelpanel.exe";
}

ProgramResources::ProgramResources()
    : m_module(::LoadLibraryExA(ProgramPath().c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE)) {}

ProgramResources::~ProgramResources() {
  if (m_module) ::FreeLibrary(m_module);
}

namespace {

// The test's environment block with extra variables in front (the first
// definition of a name wins when the program reads it).
std::vector<char> EnvironmentWith(const std::vector<std::string>& extra) {
  std::vector<char> block;
  for (const std::string& variable : extra)
    block.insert(block.end(), variable.c_str(), variable.c_str() + variable.size() + 1);
  char* inherited = ::GetEnvironmentStringsA();
  for (const char* entry = inherited; *entry; entry += std::strlen(entry) + 1) {
    block.insert(block.end(), entry, entry + std::strlen(entry) + 1);
  }
  ::FreeEnvironmentStringsA(inherited);
  block.push_back('\0');
  return block;
}

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(length > 0 ? length : 0));
  return wide;
}

struct WindowSearch {
  DWORD processId;
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  if (owner != search->processId || !::IsWindowVisible(hwnd)) return TRUE;
  char text[256] = {};
  ::GetWindowTextA(hwnd, text, sizeof(text));
  if (*search->caption != text) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

RunningProgram::RunningProgram(const std::string& arguments, const std::vector<std::string>& environment)
    : RunningProgram(Wide(ProgramPath()), arguments, environment) {}

RunningProgram::RunningProgram(const std::wstring& program, const std::string& arguments,
                               const std::vector<std::string>& environment) {
  std::wstring commandLine = L"\"" + program + L"\" " + Wide(arguments);
  std::vector<char> block = EnvironmentWith(environment);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  // Without CREATE_UNICODE_ENVIRONMENT the block stays in the ANSI code page.
  if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, block.data(), nullptr, &startup,
                        &m_process)) {
    m_process = {};
  }
}

RunningProgram::~RunningProgram() {
  if (!m_process.hProcess) return;
  if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(m_process.hProcess, 99);
    ::WaitForSingleObject(m_process.hProcess, 5000);
  }
  ::CloseHandle(m_process.hThread);
  ::CloseHandle(m_process.hProcess);
}

HWND RunningProgram::WaitForWindow(const std::string& caption, DWORD timeoutMs) const {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  WindowSearch search{m_process.dwProcessId, &caption, nullptr};
  while (Started() && ::GetTickCount64() < deadline) {
    ::EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (::WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0) break;
  }
  return nullptr;
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD timeoutMs) const {
  if (!Started() || ::WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(m_process.hProcess, &code);
  return code;
}

}  // namespace vexel::test
