// Times process start to a visible top-level window: vexelpanel.exe with -n
// and with the OpenGL probe, against a trivial Win32 program started the same
// way in the same prefix, in alternated rounds. Prints each figure's median,
// min and max, its ratio to the trivial program's median, and the highest
// peak working set a run had when its window appeared.
// Run under Wine: bench_startup.exe [rounds] [--before OTHER-vexelpanel.exe] [--every-run]
// (an earlier build's program, measured in the same rounds).
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench_support.h"

using vexel::bench::BesideThisProgram;
using vexel::bench::Figure;
using vexel::bench::Quoted;
using vexel::bench::RunResult;

namespace {

struct Search {
  DWORD process;
  const char* caption;
  bool found;
};

bool HasVisibleWindow(DWORD process, const char* caption) {
  Search search{process, caption, false};
  ::EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        char text[64] = {};
        ::GetWindowTextA(hwnd, text, sizeof(text));
        s->found = owner == s->process && ::IsWindowVisible(hwnd) && std::string(text) == s->caption;
        return !s->found;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// From CreateProcess to the window; the process is ended then.
RunResult TimeToWindow(const std::string& commandLine, const char* caption) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  RunResult run;
  const auto started = std::chrono::steady_clock::now();
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return run;
  }
  while (::WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    if (HasVisibleWindow(process.dwProcessId, caption)) {
      run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
      run.peakBytes = vexel::bench::PeakWorkingSet(process.hProcess);
      break;
    }
  }
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return run;
}

Figure WindowFigure(std::string label, std::string commandLine, const char* caption) {
  return {std::move(label), [commandLine, caption] { return TimeToWindow(commandLine, caption); }};
}

}  // namespace

int main(int argc, char** argv) {
  const vexel::bench::Options options = vexel::bench::ParseOptions(argc, argv, 9);
  const std::string panel = Quoted(BesideThisProgram("vexelpanel.exe"));
  const std::string before = Quoted(options.before);
  const bool compare = !options.before.empty();
  std::vector<Figure> figures{
      WindowFigure("trivial Win32 program", Quoted(BesideThisProgram("trivial_window.exe")), "Trivial Window"),
      WindowFigure("bare property sheet, one page", Quoted(BesideThisProgram("bare_sheet.exe")), "Bare Sheet"),
      WindowFigure("vexelpanel -n", panel + " -n", "VexelPanel")};
  if (compare) figures.push_back(WindowFigure("before: vexelpanel -n", before + " -n", "VexelPanel"));
  figures.push_back(WindowFigure("vexelpanel with probe", panel, "VexelPanel"));
  if (compare) figures.push_back(WindowFigure("before: vexelpanel with probe", before, "VexelPanel"));
  std::printf("process start to visible window, %d alternated rounds (%s at the start)\n", options.rounds,
              vexel::bench::LoadAverage().c_str());
  vexel::bench::RunAlternated(figures, options.rounds);
  vexel::bench::PrintFigures(figures, options.everyRun);
  std::printf("(%s at the end)\n", vexel::bench::LoadAverage().c_str());
  return 0;
}
