// What the Wine benchmarks share: finding the programs built beside them,
// running the measured programs in alternated rounds and printing each
// figure with its spread and its ratio to the baseline of the same run.
#pragma once
#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vexel::bench {

// A file in the folder of the running benchmark (vexelpanel.exe and the
// trivial baseline program are built there).
std::string BesideThisProgram(const char* file);

// The same file quoted for a command line.
inline std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

struct Spread {
  double median = 0;
  double min = 0;
  double max = 0;
};

Spread SpreadOf(std::vector<double> values);

// What one run of a program gave.
struct RunResult {
  // Negative when the run failed.
  double milliseconds = -1;
  // The process's peak working set when the run was timed.
  std::size_t peakBytes = 0;
  unsigned long exitCode = 0;
};

// One measured figure: its runs' times so far, their highest peak working
// set and their exit codes ORed together.
struct Figure {
  Figure(std::string name, std::function<RunResult()> run) : label(std::move(name)), runOnce(std::move(run)) {}

  std::string label;
  std::function<RunResult()> runOnce;
  std::vector<double> times;
  std::size_t peakBytes = 0;
  unsigned long exitCodes = 0;
};

// Runs every figure once per round, in turn, so that a change of the
// machine's load while the benchmark runs falls on all of them alike, after
// a first round that is not counted.
void RunAlternated(std::vector<Figure>& figures, int rounds);

// One line per figure: median, min and max, the ratio of its median to the
// median of the first figure, the baseline, and the highest peak working
// set; with `everyRun`, then each figure's times in the order they were taken.
void PrintFigures(const std::vector<Figure>& figures, bool everyRun = false);

// The command-line options the start-up benchmarks share:
//   [rounds] [--before PATH] [--every-run]
// PATH names an earlier vexelpanel.exe measured in the same rounds;
// --every-run prints each run's time too.
struct Options {
  int rounds = 9;
  std::string before;
  bool everyRun = false;
};

Options ParseOptions(int argc, char** argv, int defaultRounds);

// The peak working set of a process (a HANDLE) so far, in bytes; 0 when it
// cannot be read.
std::size_t PeakWorkingSet(void* process);

// The machine's load average (from Linux under Wine), or a note that it
// cannot be read.
std::string LoadAverage();

}  // namespace vexel::bench
