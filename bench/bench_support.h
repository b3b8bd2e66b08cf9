// What the Wine benchmarks share: finding the programs built beside them and
// taking a median.
#pragma once
#include <algorithm>
#include <string>
#include <vector>

namespace vexel::bench {

// A file in the folder of the running benchmark (vexelpanel.exe and the
// trivial baseline program are built there).
std::string BesideThisProgram(const char* file);

// The same file quoted for a command line.
inline std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace vexel::bench
