#pragma once

#include <string>

namespace vexel::test {

struct ProcessResult {
  bool started = false;
  // False when the time limit ended the process.
  bool finished = false;
  unsigned long exitCode = 0;
  // Standard output and standard error together.
  std::string output;
};

// Runs a command line (searched as CreateProcess does, e.g. "reg query ...")
// with its output captured through a pipe. A process still running after
// `timeLimitMs` is terminated.
ProcessResult RunProcess(const std::string& commandLine, unsigned long timeLimitMs);

}  // namespace vexel::test
