#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "mode_test_support.h"
#include "modes/apply_steps.h"
#include "shared/memory_registry.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

constexpr char kSettingsKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr DisplayMode kChosen{32, 800, 600, 75};

std::string Text(const DisplayMode& mode) {
  return std::to_string(mode.BitsPerPel) + "/" + std::to_string(mode.PelsWidth) + "x" +
         std::to_string(mode.PelsHeight) + "@" + std::to_string(mode.DisplayFrequency);
}

// A driver with a fixed list of modes that records every test, set and
// announcement it is asked for.
class RecordingDisplay : public Display {
 public:
  std::vector<DisplayMode> Listed;
  std::vector<size_t> RejectedInTest;  // listing numbers whose test fails
  long SetResult = kDispChangeSuccessful;
  uint32_t MajorVersion = 4;
  std::vector<std::string> Calls;

  bool EnumMode(uint32_t number, DisplayMode& out) override {
    if (number >= Listed.size()) return false;
    out = Listed[number];
    m_last = number;
    return true;
  }
  long ChangeMode(const DisplayMode& mode, bool testOnly) override {
    Calls.push_back((testOnly ? "test #" + std::to_string(m_last) + " " : "set ") + Text(mode));
    if (!testOnly) return SetResult;
    return std::ranges::count(RejectedInTest, m_last) ? kDispChangeBadMode : kDispChangeSuccessful;
  }
  void BroadcastDisplayChange(uint32_t bits, int32_t width, int32_t height) override {
    Calls.push_back("announce " + std::to_string(bits) + " " + std::to_string(width) + "x" + std::to_string(height));
  }
  VersionInfo Version() override { return {kPlatformWin32Nt, MajorVersion, 0, 0}; }
  int Escape(int32_t, std::span<const uint8_t>, std::span<uint8_t>) override { return 0; }
  DeviceCaps Caps() override { return {}; }

 private:
  size_t m_last = 0;
};

struct SwitchCase {
  const char* fault;  // also the case's name
  std::vector<DisplayMode> listed;
  std::vector<size_t> rejectedInTest;
  long setResult;
  uint32_t majorVersion;
  bool switched;
  std::vector<std::string> calls;
};

void PrintTo(const SwitchCase& c, std::ostream* out) { *out << c.fault; }

class SwitchDisplayModeTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchDisplayModeTest, SetsTheFirstAcceptedListingAndAnnouncesIt) {
  const SwitchCase& c = GetParam();
  RecordingDisplay display;
  display.Listed = c.listed;
  display.RejectedInTest = c.rejectedInTest;
  display.SetResult = c.setResult;
  display.MajorVersion = c.majorVersion;
  EXPECT_EQ(SwitchDisplayMode(display, kChosen), c.switched) << c.fault;
  EXPECT_EQ(display.Calls, c.calls) << c.fault;
}

const std::string kSet = "set 32/800x600@75";
const std::string kBefore = "announce 0 800x600";
const std::string kAfter = "announce 32 800x600";

INSTANTIATE_TEST_SUITE_P(
    Cases, SwitchDisplayModeTest,
    ::testing::Values(SwitchCase{"ListedTwiceTheFirstListingIsSet",
                                 {{8, 800, 600, 75}, kChosen, kChosen},
                                 {},
                                 kDispChangeSuccessful,
                                 4,
                                 true,
                                 {"test #1 32/800x600@75", kBefore, kSet, kAfter}},
                      SwitchCase{"AListingTheTestRejectsIsPassedOver",
                                 {kChosen, kChosen},
                                 {0},
                                 kDispChangeSuccessful,
                                 4,
                                 true,
                                 {"test #0 32/800x600@75", "test #1 32/800x600@75", kBefore, kSet, kAfter}},
                      SwitchCase{"AnotherRefreshIsAnotherMode",
                                 {{32, 800, 600, 60}, {32, 800, 600, 0}},
                                 {},
                                 kDispChangeSuccessful,
                                 4,
                                 false,
                                 {}},
                      SwitchCase{"RejectedInEveryTestNothingIsSet",
                                 {kChosen},
                                 {0},
                                 kDispChangeSuccessful,
                                 4,
                                 false,
                                 {"test #0 32/800x600@75"}},
                      SwitchCase{"AFailedSetIsNoSwitch",
                                 {kChosen},
                                 {},
                                 kDispChangeFailed,
                                 4,
                                 false,
                                 {"test #0 32/800x600@75", kBefore, kSet}},
                      SwitchCase{"BeforeVersion4ASetStillNeedsARestart",
                                 {kChosen},
                                 {},
                                 kDispChangeSuccessful,
                                 3,
                                 false,
                                 {"test #0 32/800x600@75", kBefore, kSet}}),
    [](const ::testing::TestParamInfo<SwitchCase>& param) { return std::string(param.param.fault); });

// A profile copy that opens but refuses writes is no reason to fall back.
TEST(StoreDefaultMode, GoesToTheProfileCopyWhenItOpensAndReportsEveryWriteThatFails) {
  MemoryRegistry registry;
  WriteFailures failures;
  registry.Put(Hive::LocalMachine, kSettingsKey, "Other", {kRegDword, {1, 0, 0, 0}});
  registry.DenyWrites(Hive::LocalMachine, ProfileKeyPath(kSettingsKey));
  EXPECT_TRUE(StoreDefaultMode(registry, kSettingsKey, kChosen, failures));
  EXPECT_EQ(registry.ValueCount(Hive::LocalMachine, kSettingsKey), 1u) << "the profile copy opened";
  ASSERT_EQ(failures.Entries().size(), 4u);
  EXPECT_EQ(failures.Entries()[3].value, names::kDefaultVRefresh);
  EXPECT_EQ(failures.Entries()[3].status, kAccessDenied);
}

}  // namespace
}  // namespace vexel
