// Times a quiet export, "vexelpanel.exe -q -n -f out", from process start to
// exit, against a trivial Win32 program that shows a window and ends, started
// the same way in the same prefix, in alternated rounds; samples each
// process's peak working set while it runs. Prints each figure's median, min
// and max, its ratio to the trivial program's median, and the peaks.
// Run under Wine: bench_quiet_export.exe [rounds] [--before OTHER-vexelpanel.exe] [--every-run]
// (an earlier build's program, measured in the same rounds; the two exports
// are then compared byte for byte). The panel inherits VEXELPANEL_SIMULATE,
// so the board is whatever that variable says.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_support.h"

using vexel::bench::BesideThisProgram;
using vexel::bench::Figure;
using vexel::bench::Quoted;
using vexel::bench::RunResult;

namespace {

std::string TempFolder() {
  char path[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, path);
  return path;
}

// One run in `folder`: start to exit, and the highest peak seen meanwhile.
RunResult TimeOneRun(const std::string& commandLine, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  RunResult run;
  const auto started = std::chrono::steady_clock::now();
  if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
    return run;
  }
  while (::WaitForSingleObject(process.hProcess, 1) == WAIT_TIMEOUT) {
    run.peakBytes = std::max(run.peakBytes, vexel::bench::PeakWorkingSet(process.hProcess));
  }
  run.milliseconds = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
  run.peakBytes = std::max(run.peakBytes, vexel::bench::PeakWorkingSet(process.hProcess));
  DWORD exitCode = 0;
  ::GetExitCodeProcess(process.hProcess, &exitCode);
  run.exitCode = exitCode;
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return run;
}

Figure ExitFigure(std::string label, std::string commandLine, const std::string& folder) {
  return {std::move(label), [commandLine, folder] { return TimeOneRun(commandLine, folder); }};
}

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  const vexel::bench::Options options = vexel::bench::ParseOptions(argc, argv, 11);
  const std::string folder = TempFolder();
  const bool compare = !options.before.empty();
  std::vector<Figure> figures{
      ExitFigure("trivial Win32 program", Quoted(BesideThisProgram("trivial_window.exe")) + " exit", folder),
      ExitFigure("bare property sheet, closing", Quoted(BesideThisProgram("bare_sheet.exe")) + " exit", folder),
      ExitFigure("vexelpanel -q -n -f out", Quoted(BesideThisProgram("vexelpanel.exe")) + " -q -n -f out", folder)};
  if (compare)
    figures.push_back(
        ExitFigure("before: vexelpanel -q -n -f outb", Quoted(options.before) + " -q -n -f outb", folder));
  const char* board = std::getenv("VEXELPANEL_SIMULATE");
  std::printf("process start to exit, %d alternated rounds (board: %s; %s at the start)\n", options.rounds,
              board && *board ? board : "Wine's display driver", vexel::bench::LoadAverage().c_str());
  vexel::bench::RunAlternated(figures, options.rounds);
  vexel::bench::PrintFigures(figures, options.everyRun);
  for (const Figure& figure : figures) {
    std::printf("  %-34s exit statuses ORed: %lu\n", figure.label.c_str(), figure.exitCodes);
  }
  if (compare) {
    const bool same = FileBytes(folder + "OUT") == FileBytes(folder + "OUTB");
    std::printf("  the two exports are %s\n", same ? "identical" : "DIFFERENT");
    ::DeleteFileA((folder + "OUTB").c_str());
  }
  ::DeleteFileA((folder + "OUT").c_str());
  std::printf("(%s at the end)\n", vexel::bench::LoadAverage().c_str());
  return 0;
}
