#include "bench_support.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace vexel::bench {
namespace {

constexpr DWORD kSettleMs = 300;

}  // namespace

std::string BesideThisProgram(const char* file) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + file;
}

Spread SpreadOf(std::vector<double> values) {
  if (values.empty()) return {};
  std::sort(values.begin(), values.end());
  return {values[values.size() / 2], values.front(), values.back()};
}

void RunAlternated(std::vector<Figure>& figures, int rounds) {
  // A first round, not counted, starts what the prefix starts once (the
  // desktop's process, Wine's services) and fills the file cache.
  for (int round = -1; round < rounds; ++round) {
    for (Figure& figure : figures) {
      // What the run before left to do (the desktop redrawn where its window
      // was, its process cleaned up) is done before the next one starts.
      ::Sleep(kSettleMs);
      const RunResult run = figure.runOnce();
      if (round < 0) continue;
      figure.times.push_back(run.milliseconds);
      figure.peakBytes = std::max(figure.peakBytes, run.peakBytes);
      figure.exitCodes |= run.exitCode;
    }
  }
}

void PrintFigures(const std::vector<Figure>& figures, bool everyRun) {
  if (figures.empty()) return;
  const double baseline = SpreadOf(figures.front().times).median;
  std::printf("  %-34s %9s %9s %9s %7s %11s\n", "", "median", "min", "max", "ratio", "peak WS");
  for (const Figure& figure : figures) {
    const Spread spread = SpreadOf(figure.times);
    const bool failed = std::any_of(figure.times.begin(), figure.times.end(), [](double t) { return t < 0; });
    std::printf("  %-34s %6.1f ms %6.1f ms %6.1f ms %6.2f x %6.1f MiB%s\n", figure.label.c_str(), spread.median,
                spread.min, spread.max, spread.median / baseline,
                static_cast<double>(figure.peakBytes) / (1024.0 * 1024.0), failed ? "  (some runs failed)" : "");
  }
  if (!everyRun) return;
  for (const Figure& figure : figures) {
    std::printf("  %-34s", figure.label.c_str());
    for (double time : figure.times) std::printf(" %.0f", time);
    std::printf("\n");
  }
}

Options ParseOptions(int argc, char** argv, int defaultRounds) {
  Options options;
  options.rounds = defaultRounds;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--before") == 0 && i + 1 < argc) {
      options.before = argv[++i];
    } else if (std::strcmp(argv[i], "--every-run") == 0) {
      options.everyRun = true;
    } else {
      options.rounds = std::max(1, std::atoi(argv[i]));
    }
  }
  return options;
}

std::size_t PeakWorkingSet(void* process) {
  PROCESS_MEMORY_COUNTERS counters{};
  return ::GetProcessMemoryInfo(process, &counters, sizeof(counters)) ? counters.PeakWorkingSetSize : 0;
}

std::string LoadAverage() {
  // Wine shows the Unix file system as drive Z:.
  std::ifstream file("Z:\\proc\\loadavg");
  std::string one, five, fifteen;
  if (!(file >> one >> five >> fifteen)) return "load average: not readable";
  return "load average: " + one + " " + five + " " + fifteen;
}

}  // namespace vexel::bench
