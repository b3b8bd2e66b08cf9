// Times process start to a visible top-level window: vexelpanel.exe with -n
// and with the OpenGL probe, against a trivial Win32 program started the same
// way in the same prefix. Prints medians and the ratios to the baseline.
// Run under Wine: bench_startup.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_support.h"

using vexel::bench::BesideThisProgram;
using vexel::bench::Median;
using vexel::bench::Quoted;

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

// Milliseconds from CreateProcess to the window, or a negative value.
double TimeToWindow(const std::string& commandLine, const char* caption) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  const auto started = std::chrono::steady_clock::now();
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  double elapsed = -1;
  while (::WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    if (HasVisibleWindow(process.dwProcessId, caption)) {
      elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
      break;
    }
  }
  ::TerminateProcess(process.hProcess, 0);
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return elapsed;
}

double MedianTimeToWindow(const std::string& commandLine, const char* caption, int runs) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) times.push_back(TimeToWindow(commandLine, caption));
  return Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  const std::string panel = Quoted(BesideThisProgram("vexelpanel.exe"));
  const double baseline = MedianTimeToWindow(Quoted(BesideThisProgram("trivial_window.exe")), "Trivial Window", runs);
  const double noProbe = MedianTimeToWindow(panel + " -n", "VexelPanel", runs);
  const double probe = MedianTimeToWindow(panel, "VexelPanel", runs);
  std::printf("process start to visible window, median of %d runs:\n", runs);
  std::printf("  trivial Win32 program  %8.1f ms\n", baseline);
  std::printf("  vexelpanel -n          %8.1f ms  (%.2f x)\n", noProbe, noProbe / baseline);
  std::printf("  vexelpanel with probe  %8.1f ms  (%.2f x)\n", probe, probe / baseline);
  return 0;
}
