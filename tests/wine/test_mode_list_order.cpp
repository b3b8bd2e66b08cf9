// The mode list's order comes from the system's sort keys. It must be the
// order in which lstrcmpiA, the list box's own comparison, put the lines
// before: checked on a hostile driver's odd lines and on 100,000 ordinary modes.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "modes/mode_catalogue.h"
#include "modes/mode_lines.h"
#include "modes/mode_texts.h"
#include "support/simulated_board_test.h"
#include "win/sort_key.h"

namespace vexel::test {
namespace {

// The list's lines as they were put in order before: counted in a map and
// sorted by lstrcmpiA, lines it calls equal kept in byte order.
std::vector<std::string> LinesByComparison(const ModeCatalogue& catalogue) {
  std::map<std::string, std::size_t> repeats;
  for (const DisplayMode& mode : catalogue) ++repeats[ModeText(mode)];
  std::vector<const std::pair<const std::string, std::size_t>*> distinct;
  for (const auto& line : repeats) distinct.push_back(&line);
  std::ranges::stable_sort(
      distinct, [](const auto* a, const auto* b) { return ::lstrcmpiA(a->first.c_str(), b->first.c_str()) < 0; });
  std::vector<std::string> lines;
  for (const auto* line : distinct) lines.insert(lines.end(), line->second, line->first);
  return lines;
}

std::vector<std::string> LinesByKeys(const ModeCatalogue& catalogue) {
  std::vector<std::string> lines;
  for (const ModeLine& line : OrderedModeLines(catalogue, &win::CaseInsensitiveSortKey)) {
    lines.insert(lines.end(), line.count, line.text);
  }
  return lines;
}

void ExpectSameOrder(const ModeCatalogue& catalogue) {
  const std::vector<std::string> byKeys = LinesByKeys(catalogue);
  const std::vector<std::string> byComparison = LinesByComparison(catalogue);
  ASSERT_EQ(byKeys.size(), catalogue.size());
  ASSERT_EQ(byComparison.size(), catalogue.size());
  const auto [key, compared] = std::ranges::mismatch(byKeys, byComparison);
  EXPECT_TRUE(key == byKeys.end()) << "line " << (key - byKeys.begin()) << ": \"" << *key << "\" where lstrcmpiA put \""
                                   << *compared << '"';
}

class ModeListOrder : public SimulatedBoardTest {};

TEST_F(ModeListOrder, IsLstrcmpisOrderForAHostileDriver) {
  const Seams seams = Board("kite,hostilemodes");
  ModeCatalogue catalogue;
  FillModeCatalogue(catalogue, "", *seams.display);
  ASSERT_EQ(catalogue.size(), 100000u);
  ExpectSameOrder(catalogue);
}

// Many widths, three depths and four refresh rates: 48,000 distinct lines.
TEST_F(ModeListOrder, IsLstrcmpisOrderFor100000OrdinaryModes) {
  ModeCatalogue catalogue;
  constexpr int32_t kDepths[] = {8, 16, 32};
  for (int32_t i = 0; i < 100000; ++i) {
    const int32_t width = 640 + (i / 12) % 4000;
    catalogue.push_back({kDepths[i % 3], width, width * 3 / 4, 60 + (i / 3) % 4 * 5});
  }
  ExpectSameOrder(catalogue);
}

}  // namespace
}  // namespace vexel::test
