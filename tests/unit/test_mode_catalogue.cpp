#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "mode_test_support.h"
#include "modes/mode_catalogue.h"
#include "modes/mode_tables.h"

namespace vexel {
namespace {

// A driver that lists fixed modes; a mode number mapped to nullopt fails.
class ListedModes : public ModeSource {
 public:
  explicit ListedModes(std::vector<std::optional<DisplayMode>> modes) : m_modes(std::move(modes)) {}

  bool EnumMode(uint32_t number, DisplayMode& out) override {
    m_asked.push_back(number);
    if (number >= m_modes.size() || !m_modes[number]) {
      return false;
    }
    out = *m_modes[number];
    return true;
  }

  const std::vector<uint32_t>& Asked() const { return m_asked; }

 private:
  std::vector<std::optional<DisplayMode>> m_modes;
  std::vector<uint32_t> m_asked;
};

constexpr DisplayMode ModeA{32, 1280, 1024, 0};
constexpr DisplayMode ModeB{16, 1280, 1024, 0};

TEST(FillModeCatalogue, HawkWordWinsOverKiteWordWhereverItStands) {
  ListedModes driver({ModeA});
  ModeCatalogue catalogue;
  FillModeCatalogue(catalogue, "VEXELKITE OR VEXELHAWK", driver);
  EXPECT_EQ(catalogue.size(), 42u);
  EXPECT_EQ(catalogue.back(), (DisplayMode{15, 1280, 1024, 75}));
  EXPECT_TRUE(driver.Asked().empty());
}

TEST(FillModeCatalogue, KiteWordAnywhereSelectsTheKiteTable) {
  ListedModes driver({ModeA});
  ModeCatalogue catalogue;
  FillModeCatalogue(catalogue, "MY-VEXELKITE-2", driver);
  EXPECT_EQ(catalogue.size(), 25u);
  EXPECT_EQ(catalogue.back(), (DisplayMode{8, 1280, 1024, 75}));
  EXPECT_TRUE(driver.Asked().empty());
}

TEST(FillModeCatalogue, LowerCaseOrUnknownNamesEnumerateTheDriver) {
  for (const char* name : {"vexelhawk", "VexelKite", "", "GLINT"}) {
    ListedModes driver({ModeA, ModeB});
    ModeCatalogue catalogue;
    FillModeCatalogue(catalogue, name, driver);
    EXPECT_EQ(catalogue, (ModeCatalogue{ModeA, ModeB})) << name;
  }
}

TEST(FillModeCatalogue, KeepsDriverOrderAndDuplicates) {
  ListedModes driver({ModeB, ModeA, ModeB, ModeB});
  ModeCatalogue catalogue;
  FillModeCatalogue(catalogue, "", driver);
  EXPECT_EQ(catalogue, (ModeCatalogue{ModeB, ModeA, ModeB, ModeB}));
  EXPECT_EQ(driver.Asked(), (std::vector<uint32_t>{0, 1, 2, 3, 4}));
}

TEST(FillModeCatalogue, StopsAtTheFirstFailureEvenIfLaterNumbersWork) {
  ListedModes driver({ModeA, ModeB, std::nullopt, ModeA});
  ModeCatalogue catalogue;
  FillModeCatalogue(catalogue, "", driver);
  EXPECT_EQ(catalogue, (ModeCatalogue{ModeA, ModeB}));
  EXPECT_EQ(driver.Asked().back(), 2u);
}

TEST(FillModeCatalogue, RefillReplacesEverything) {
  ModeCatalogue catalogue{ModeA, ModeA};
  ListedModes silentDriver({});
  FillModeCatalogue(catalogue, "", silentDriver);
  EXPECT_TRUE(catalogue.empty());

  FillModeCatalogue(catalogue, "VEXELKITE", silentDriver);
  FillModeCatalogue(catalogue, "VEXELKITE", silentDriver);
  EXPECT_EQ(catalogue.size(), 25u);
}

}  // namespace
}  // namespace vexel
