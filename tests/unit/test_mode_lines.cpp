#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "modes/mode_lines.h"

namespace vexel {

void PrintTo(const ModeLine& line, std::ostream* out) { *out << line.count << " x \"" << line.text << '"'; }

namespace {

// Keys unlike the lines' own byte order, so that the order must come from them.
std::string Reversed(const std::string& line) { return {line.rbegin(), line.rend()}; }
std::string FirstFour(const std::string& line) { return line.substr(0, 4); }

struct Case {
  const char* name;
  ModeCatalogue catalogue;
  std::string (*key)(const std::string&);
  std::vector<ModeLine> lines;
};

const Case kCases[] = {
    {"no modes", {}, &Reversed, {}},
    {"ordered by the key, not the bytes",
     {{8, 640, 480, 60}, {8, 800, 600, 72}, {32, 1024, 768, 75}},
     &Reversed,
     {{"640 by 480 Pixels, 256 Colors, 60 Hertz", 1},
      {"800 by 600 Pixels, 256 Colors, 72 Hertz", 1},
      {"1024 by 768 Pixels, True Color, 75 Hertz", 1}}},
    {"repeats counted wherever they stand",
     {{8, 640, 480, 60}, {16, 640, 480, 60}, {8, 640, 480, 60}, {8, 640, 480, 60}},
     &Reversed,
     {{"640 by 480 Pixels, 65536 Colors, 60 Hertz", 1}, {"640 by 480 Pixels, 256 Colors, 60 Hertz", 3}}},
    {"refresh 0 and 1 are one line",
     {{8, 640, 480, 1}, {8, 640, 480, 0}, {8, 640, 480, 1}},
     &Reversed,
     {{"640 by 480 Pixels, 256 Colors, Hardware default refresh", 3}}},
    {"equal keys in byte order",
     {{32, 640, 480, 60}, {8, 640, 480, 75}, {8, 640, 480, 60}, {8, 1024, 768, 60}},
     &FirstFour,
     {{"1024 by 768 Pixels, 256 Colors, 60 Hertz", 1},
      {"640 by 480 Pixels, 256 Colors, 60 Hertz", 1},
      {"640 by 480 Pixels, 256 Colors, 75 Hertz", 1},
      {"640 by 480 Pixels, True Color, 60 Hertz", 1}}},
};

TEST(OrderedModeLines, CountsDistinctLinesAndOrdersThemByKey) {
  for (const Case& c : kCases) {
    EXPECT_EQ(OrderedModeLines(c.catalogue, c.key), c.lines) << c.name;
  }
}

TEST(OrderedModeLines, MakesOneKeyPerDistinctMode) {
  ModeCatalogue catalogue(1000, {8, 640, 480, 60});
  catalogue.push_back({32, 800, 600, 60});
  int keys = 0;
  OrderedModeLines(catalogue, [&](const std::string& line) { return ++keys, line; });
  EXPECT_EQ(keys, 2);
}

}  // namespace
}  // namespace vexel
