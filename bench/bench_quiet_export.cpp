// Times a quiet export, "vexelpanel.exe -q -n -f out", from process start to
// exit, against a trivial Win32 program that shows a window and ends, started
// the same way in the same prefix; samples each process's peak working set
// while it runs. Prints the medians, their ratio and the peaks.
// Run under Wine: bench_quiet_export.exe [runs]. The panel inherits
// VEXELPANEL_SIMULATE, so the board is whatever that variable says.
#include <windows.h>
#include <psapi.h>

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

struct Run {
  double milliseconds = -1;
  SIZE_T peakBytes = 0;
  DWORD exitCode = 0;
};

struct Figures {
  double medianMs = 0;
  SIZE_T peakBytes = 0;
  DWORD exitCode = 0;
};

std::string TempFolder() {
  char path[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, path);
  return path;
}

SIZE_T PeakWorkingSet(HANDLE process) {
  PROCESS_MEMORY_COUNTERS counters{};
  return ::GetProcessMemoryInfo(process, &counters, sizeof(counters)) ? counters.PeakWorkingSetSize : 0;
}

// One run in `folder`: start to exit, and the highest peak seen meanwhile.
Run TimeOneRun(const std::string& commandLine, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  Run run;
  const auto started = std::chrono::steady_clock::now();
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
    return run;
  }
  while (::WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    run.peakBytes = std::max(run.peakBytes, PeakWorkingSet(process.hProcess));
  }
  run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  run.peakBytes = std::max(run.peakBytes, PeakWorkingSet(process.hProcess));
  ::GetExitCodeProcess(process.hProcess, &run.exitCode);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return run;
}

Figures Measure(const std::string& commandLine, const std::string& folder, int runs) {
  std::vector<double> times;
  Figures figures;
  for (int i = 0; i < runs; ++i) {
    const Run run = TimeOneRun(commandLine, folder);
    times.push_back(run.milliseconds);
    figures.peakBytes = std::max(figures.peakBytes, run.peakBytes);
    figures.exitCode |= run.exitCode;
  }
  figures.medianMs = Median(times);
  return figures;
}

double Mebibytes(SIZE_T bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  const std::string folder = TempFolder();
  const Figures baseline = Measure(Quoted(BesideThisProgram("trivial_window.exe")) + " exit", folder, runs);
  const Figures panel = Measure(Quoted(BesideThisProgram("vexelpanel.exe")) + " -q -n -f out", folder, runs);
  const char* board = std::getenv("VEXELPANEL_SIMULATE");
  std::printf("process start to exit, median of %d runs (board: %s):\n", runs,
              board && *board ? board : "Wine's display driver");
  std::printf("  trivial Win32 program      %8.1f ms  peak working set %6.1f MiB\n", baseline.medianMs,
              Mebibytes(baseline.peakBytes));
  std::printf("  vexelpanel -q -n -f out    %8.1f ms  peak working set %6.1f MiB  (%.2f x, exit status %lu)\n",
              panel.medianMs, Mebibytes(panel.peakBytes), panel.medianMs / baseline.medianMs, panel.exitCode);
  ::DeleteFileA((folder + "OUT").c_str());
  return 0;
}
