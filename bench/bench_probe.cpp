// Times the OpenGL probe from the start of its thread to its signal, with the
// machine's real OpenGL implementation, and prints the median of repeated runs.
// Run under Wine: bench_probe.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "info/probe/gl_api.h"
#include "info/probe/ogl_info.h"
#include "platform/win32_registry.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

// One probe: its text and the time from starting its thread to its signal.
std::pair<std::string, double> TimeOneProbe() {
  auto probe =
      std::make_shared<vexel::COglInfo>(std::make_shared<vexel::Win32Registry>(), std::make_shared<vexel::WglApi>());
  const auto started = std::chrono::steady_clock::now();
  const auto text = vexel::RunOpenGlProbe(std::move(probe));
  const Milliseconds elapsed = std::chrono::steady_clock::now() - started;
  return {text.value_or("<thread not started>"), elapsed.count()};
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 11;
  std::vector<double> times;
  std::string text;
  for (int run = 0; run < runs; ++run) {
    auto [result, milliseconds] = TimeOneProbe();
    text = result;
    times.push_back(milliseconds);
    std::printf("run %2d: %8.1f ms\n", run + 1, milliseconds);
  }
  std::sort(times.begin(), times.end());
  std::printf("OpenGL probe, thread start to signal, %d runs: median %.1f ms, min %.1f ms, max %.1f ms\n", runs,
              times[times.size() / 2], times.front(), times.back());
  std::printf("Probe text: \"%s\"\n", text.c_str());
  return 0;
}
