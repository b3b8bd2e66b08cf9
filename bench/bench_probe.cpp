// Times the OpenGL probe from the start of its thread to its signal, with the
// machine's real OpenGL implementation: the first probe of the process, as
// start-up runs it, split into the WGL calls it makes, and the later ones,
// whose implementation has already started. The difference is what the
// implementation's own start costs a run with the probe.
// Run under Wine: bench_probe.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "info/probe/gl_api.h"
#include "info/probe/ogl_info.h"
#include "platform/win32_registry.h"

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::duration<double, std::milli>;

// The real calls, each one's time added to its name's total.
class TimedGl : public vexel::WglApi {
 public:
  std::map<std::string, double> totals;

  template <typename Call>
  auto Timed(const std::string& name, Call call) {
    const auto started = Clock::now();
    auto result = call();
    totals[name] += Milliseconds(Clock::now() - started).count();
    return result;
  }

  int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR& wanted) override {
    return Timed("ChoosePixelFormat", [&] { return WglApi::ChoosePixelFormat(dc, wanted); });
  }
  bool SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR& wanted) override {
    return Timed("SetPixelFormat", [&] { return WglApi::SetPixelFormat(dc, format, wanted); });
  }
  HGLRC CreateContext(HDC dc) override {
    return Timed("wglCreateContext", [&] { return WglApi::CreateContext(dc); });
  }
  bool MakeCurrent(HDC dc, HGLRC context) override {
    return Timed(context ? "wglMakeCurrent" : "wglMakeCurrent(none)", [&] { return WglApi::MakeCurrent(dc, context); });
  }
  void DeleteContext(HGLRC context) override {
    Timed("wglDeleteContext", [&] { return (WglApi::DeleteContext(context), 0); });
  }
  std::string GetString(unsigned name) override {
    return Timed("glGetString", [&] { return WglApi::GetString(name); });
  }
};

struct Probe {
  std::string text;
  double milliseconds = 0;
  double loadMilliseconds = 0;
  std::map<std::string, double> calls;
};

// One probe: its text, the time from starting its thread to its signal, the
// time the seam took to load the OpenGL library, and each call's time.
Probe TimeOneProbe() {
  const auto loading = Clock::now();
  auto gl = std::make_shared<TimedGl>();
  Probe probe;
  probe.loadMilliseconds = Milliseconds(Clock::now() - loading).count();
  auto info = std::make_shared<vexel::COglInfo>(std::make_shared<vexel::Win32Registry>(), gl);
  const auto started = Clock::now();
  probe.text = vexel::RunOpenGlProbe(std::move(info)).value_or("<thread not started>");
  probe.milliseconds = Milliseconds(Clock::now() - started).count();
  // The thread signalled once its window and context were gone; the totals are final.
  probe.calls = gl->totals;
  return probe;
}

void PrintCalls(const Probe& probe) {
  std::printf("    loading the OpenGL library %8.1f ms\n", probe.loadMilliseconds);
  for (const auto& [name, milliseconds] : probe.calls) std::printf("    %-26s %8.1f ms\n", name.c_str(), milliseconds);
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(2, std::atoi(argv[1])) : 11;
  std::printf("OpenGL probe, thread start to signal (%s at the start)\n", vexel::bench::LoadAverage().c_str());
  const Probe first = TimeOneProbe();
  std::printf("  first probe of the process %8.1f ms, of which in the WGL calls:\n", first.milliseconds);
  PrintCalls(first);
  std::vector<double> later;
  Probe last;
  for (int run = 1; run < runs; ++run) {
    last = TimeOneProbe();
    later.push_back(last.milliseconds);
  }
  const vexel::bench::Spread spread = vexel::bench::SpreadOf(later);
  std::printf("  later probes (%d): median %.1f ms, min %.1f ms, max %.1f ms; the last one's WGL calls:\n", runs - 1,
              spread.median, spread.min, spread.max);
  PrintCalls(last);
  std::printf("  probe text: \"%s\"\n", last.text.c_str());
  return 0;
}
