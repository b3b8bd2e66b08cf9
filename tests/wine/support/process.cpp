#include "support/process.h"

#include <windows.h>

#include "win/unique_handle.h"

namespace vexel::test {

namespace {

// Reads whatever the pipe holds now, without waiting for more.
void Drain(HANDLE pipe, std::string& output) {
  DWORD available = 0;
  while (::PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
    std::string chunk(available, '\0');
    DWORD read = 0;
    if (!::ReadFile(pipe, chunk.data(), available, &read, nullptr) || read == 0) return;
    output.append(chunk, 0, read);
  }
}

// Polls rather than blocks on the pipe, so a child that never writes or
// never ends cannot hold the test.
void Collect(HANDLE process, HANDLE pipe, DWORD timeLimitMs, ProcessResult& result) {
  const ULONGLONG deadline = ::GetTickCount64() + timeLimitMs;
  while (!result.finished && ::GetTickCount64() < deadline) {
    Drain(pipe, result.output);
    result.finished = ::WaitForSingleObject(process, 10) == WAIT_OBJECT_0;
  }
  if (!result.finished) {
    ::TerminateProcess(process, 1);
    ::WaitForSingleObject(process, INFINITE);
  }
  Drain(pipe, result.output);
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process, &exitCode);
  result.exitCode = exitCode;
}

}  // namespace

ProcessResult RunProcess(const std::string& commandLine, unsigned long timeLimitMs) {
  ProcessResult result;
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  if (!::CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return result;
  win::UniqueHandle reader(readEnd);
  win::UniqueHandle writer(writeEnd);
  ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION info{};
  std::string line = commandLine;
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                        &info)) {
    return result;
  }
  result.started = true;
  win::UniqueHandle process(info.hProcess);
  win::UniqueHandle thread(info.hThread);
  // Only the child may hold the write end, so the pipe ends when it does.
  writer.Reset();
  Collect(process.Get(), reader.Get(), timeLimitMs, result);
  return result;
}

}  // namespace vexel::test
