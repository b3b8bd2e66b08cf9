#include <gtest/gtest.h>

#include "mode_test_support.h"
#include "modes/best_fit.h"
#include "modes/mode_tables.h"

namespace vexel {
namespace {

constexpr DisplayMode Fallback{15, 1024, 768, 60};

TEST(CheckCurrentMode, IgnoresHeight) {
  const ModeCatalogue catalogue{{8, 800, 600, 60}};
  DisplayMode current{8, 800, 599, 60};
  EXPECT_TRUE(CheckCurrentMode(catalogue, current));
  EXPECT_EQ(current, (DisplayMode{8, 800, 599, 60}));
}

TEST(CheckCurrentMode, FallsBackWhenDepthRefreshOrWidthDiffer) {
  const ModeCatalogue catalogue{{8, 800, 600, 60}};
  for (DisplayMode current :
       {DisplayMode{15, 800, 600, 60}, DisplayMode{8, 800, 600, 1}, DisplayMode{8, 801, 600, 60}}) {
    EXPECT_FALSE(CheckCurrentMode(catalogue, current));
    EXPECT_EQ(current, Fallback);
  }
}

TEST(CheckCurrentMode, FallbackNeedNotBeInTheCatalogue) {
  DisplayMode current{32, 1600, 1200, 85};
  EXPECT_FALSE(CheckCurrentMode({}, current));
  EXPECT_EQ(current, Fallback);
}

TEST(BestFit, ColorChangeOnKiteTakesTheLastOfTheWidest) {
  const DisplayMode picked15Bits{15, 1280, 1024, 75};
  EXPECT_EQ(FitByColor(TableModes(VexelKiteModes), picked15Bits), (DisplayMode{15, 1024, 768, 75}));
}

TEST(BestFit, EqualRankingValuesLetTheLastCandidateWin) {
  const ModeCatalogue catalogue{{8, 800, 600, 75}, {15, 800, 600, 60}, {15, 800, 601, 75}, {16, 640, 480, 75}};
  EXPECT_EQ(FitByWidth(catalogue, {32, 800, 600, 70}), (DisplayMode{15, 800, 601, 75}));
}

TEST(BestFit, ExactMatchBeatsBetterCandidatesAndTheFirstExactMatchWins) {
  // Each rule meets a better-ranked candidate first; the two exact matches
  // differ only in height, which takes no part.
  const ModeCatalogue catalogue{
      {8, 1280, 1024, 60}, {8, 800, 600, 75}, {8, 800, 600, 60}, {8, 800, 599, 60}, {8, 1600, 1200, 60}};
  const DisplayMode current{8, 800, 1, 60};
  EXPECT_EQ(FitByRefresh(catalogue, current), (DisplayMode{8, 800, 600, 60}));
  EXPECT_EQ(FitByColor(catalogue, current), (DisplayMode{8, 800, 600, 60}));
  EXPECT_EQ(FitByWidth(catalogue, current), (DisplayMode{8, 800, 600, 60}));
}

TEST(BestFit, ModesWithAnotherKeyAreNeverChosen) {
  const ModeCatalogue catalogue{{8, 1280, 1024, 75}, {15, 640, 480, 60}};
  EXPECT_EQ(FitByRefresh(catalogue, {8, 1280, 1024, 60}), (DisplayMode{15, 640, 480, 60}));
  EXPECT_EQ(FitByColor(catalogue, {15, 1280, 1024, 75}), (DisplayMode{15, 640, 480, 60}));
  EXPECT_EQ(FitByWidth(catalogue, {8, 640, 480, 75}), (DisplayMode{15, 640, 480, 60}));
}

TEST(BestFit, EmptyCatalogueGivesTheStartingValue) {
  const DisplayMode current{16, 1024, 768, 72};
  EXPECT_EQ(FitByRefresh({}, current), (DisplayMode{16, 0, 768, 72}));
  EXPECT_EQ(FitByColor({}, current), (DisplayMode{16, 0, 768, 72}));
  EXPECT_EQ(FitByWidth({}, current), (DisplayMode{16, 1024, 768, 0}));
}

TEST(BestFit, RankingComparesSigned) {
  // Read as unsigned, -1 would outrank every real width or refresh.
  const ModeCatalogue widths{{15, 640, 480, 60}, {15, -1, 480, 60}};
  EXPECT_EQ(FitByColor(widths, {15, 800, 600, 60}), (DisplayMode{15, 640, 480, 60}));

  const ModeCatalogue refreshes{{8, 800, 600, 60}, {8, 800, 600, -1}};
  EXPECT_EQ(FitByWidth(refreshes, {15, 800, 600, 60}), (DisplayMode{8, 800, 600, 60}));
}

TEST(BestFit, NegativeRankingValuesNeverBeatTheStartingZero) {
  const ModeCatalogue catalogue{{15, -640, 480, 60}, {8, 800, 600, -60}};
  EXPECT_EQ(FitByColor(catalogue, {15, 800, 600, 75}), (DisplayMode{15, 0, 600, 75}));
  EXPECT_EQ(FitByWidth(catalogue, {15, 800, 600, 75}), (DisplayMode{15, 800, 600, 0}));
}

TEST(BestFit, ZeroRankingValueReplacesTheStart) {
  const ModeCatalogue catalogue{{15, 0, 1, 2}};
  EXPECT_EQ(FitByColor(catalogue, {15, 800, 600, 75}), (DisplayMode{15, 0, 1, 2}));
}

}  // namespace
}  // namespace vexel
