// Times filling the mode catalogue from a driver and building the desktop-area
// widths from it, for drivers that list many modes of few or of all-distinct
// widths, and prints the figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "modes/mode_catalogue.h"
#include "modes/mode_choices.h"

namespace {

using vexel::DisplayMode;
using vexel::ModeCatalogue;

class ListedModes : public vexel::ModeSource {
 public:
  explicit ListedModes(std::vector<DisplayMode> modes) : m_modes(std::move(modes)) {}

  bool EnumMode(uint32_t number, DisplayMode& out) override {
    if (number >= m_modes.size()) {
      return false;
    }
    out = m_modes[number];
    return true;
  }

 private:
  std::vector<DisplayMode> m_modes;
};

struct WidthPattern {
  const char* name;
  std::function<int32_t(size_t index, size_t count)> widthOf;
};

std::vector<DisplayMode> DriverModes(const WidthPattern& pattern, size_t count) {
  std::vector<DisplayMode> modes;
  modes.reserve(count);
  for (size_t i = 0; i < count; ++i) {
    const auto refresh = static_cast<int32_t>(60 + i % 4);
    modes.push_back({i % 2 == 0 ? 8 : 32, pattern.widthOf(i, count), 768, refresh});
  }
  return modes;
}

// Best of a few runs, in milliseconds.
double BestTimeMs(const std::function<void()>& work) {
  constexpr int Runs = 5;
  double best = 1e300;
  for (int run = 0; run < Runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

void Measure(const WidthPattern& pattern, size_t count) {
  ListedModes driver(DriverModes(pattern, count));
  ModeCatalogue catalogue;
  const double fillMs = BestTimeMs([&] { vexel::FillModeCatalogue(catalogue, "", driver); });
  size_t widthCount = 0;
  const double widthsMs = BestTimeMs([&] { widthCount = vexel::BuildDesktopAreaWidths(catalogue).size(); });
  std::printf("%-22s %8zu modes %8zu widths   fill %8.3f ms (%6.1f ns/mode)   widths %8.3f ms (%6.1f ns/mode)\n",
              pattern.name, count, widthCount, fillMs, fillMs * 1e6 / static_cast<double>(count), widthsMs,
              widthsMs * 1e6 / static_cast<double>(count));
}

std::vector<int32_t> ShuffledWidths(size_t count) {
  std::vector<int32_t> widths(count);
  for (size_t i = 0; i < count; ++i) {
    widths[i] = static_cast<int32_t>(i + 1);
  }
  std::shuffle(widths.begin(), widths.end(), std::mt19937(42));
  return widths;
}

}  // namespace

int main() {
  const int32_t commonWidths[] = {640, 800, 1024, 1152, 1280, 1600};
  std::vector<int32_t> shuffled;
  const WidthPattern patterns[] = {
      {"6 widths, repeating", [&](size_t i, size_t) { return commonWidths[i % 6]; }},
      {"distinct, ascending", [](size_t i, size_t) { return static_cast<int32_t>(i + 1); }},
      {"distinct, descending", [](size_t i, size_t n) { return static_cast<int32_t>(n - i); }},
      {"distinct, shuffled", [&](size_t i, size_t) { return shuffled[i]; }},
  };
  for (const size_t count : {size_t{10'000}, size_t{100'000}}) {
    shuffled = ShuffledWidths(count);
    for (const WidthPattern& pattern : patterns) {
      Measure(pattern, count);
    }
  }
  return 0;
}
