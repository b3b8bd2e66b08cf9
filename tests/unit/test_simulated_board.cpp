#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

#include "mode_test_support.h"
#include "modes/mode_tables.h"
#include "platform/memory_registry.h"
#include "sim/simulated_board.h"
#include "store/driver_store.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

constexpr char DeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr DisplayMode StartupMode{15, 1024, 768, 60};

StoredValue Dword(std::uint32_t value) {
  return {kRegDword, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

class SimulatedBoardTest : public ::testing::Test {
 protected:
  SimulatedBoard& Boot(std::string_view config) {
    board_ = std::make_unique<SimulatedBoard>(registry_, ParseSimulation(config));
    board_->Boot();
    return *board_;
  }
  std::optional<StoredValue> DeviceValue(std::string_view name) const {
    return registry_->Find(Hive::LocalMachine, DeviceKey, name);
  }
  void PutStartupMode(const std::string& key, const DisplayMode& mode) {
    registry_->Put(Hive::LocalMachine, key, names::DefaultXResolution, Dword(mode.PelsWidth));
    registry_->Put(Hive::LocalMachine, key, names::DefaultYResolution, Dword(mode.PelsHeight));
    registry_->Put(Hive::LocalMachine, key, names::DefaultBitsPerPel, Dword(mode.BitsPerPel));
    registry_->Put(Hive::LocalMachine, key, names::DefaultVRefresh, Dword(mode.DisplayFrequency));
  }

  std::shared_ptr<MemoryRegistry> registry_ = std::make_shared<MemoryRegistry>();
  std::unique_ptr<SimulatedBoard> board_;
};

// The published texts and sizes are checked through the export and the
// registry in tests/wine (test_export.cpp, test_simulated_board.cpp).
TEST_F(SimulatedBoardTest, BootFillsOnlyMissingStartupValuesAndWithoutPublishingNothing) {
  registry_->Put(Hive::LocalMachine, DeviceKey, names::DefaultXResolution, Dword(800));
  EXPECT_EQ(StartupMode, Boot("kite,nopublish").RunningMode());
  EXPECT_EQ(std::nullopt, FindDeviceKey(*registry_));
  EXPECT_EQ(1u, registry_->ValueCount(Hive::LocalMachine, DeviceKey));
  Boot("kite");
  EXPECT_EQ(DeviceKey, FindDeviceKey(*registry_));
  EXPECT_EQ(Dword(800), DeviceValue(names::DefaultXResolution));
  EXPECT_EQ(Dword(768), DeviceValue(names::DefaultYResolution));
}

// Enumerating them through the display seam is test_simulated_board.cpp's part in tests/wine.
TEST_F(SimulatedBoardTest, ListsItsTableGroupedByDepthWithTheStartupModeAgainAtTheEnd) {
  const std::pair<const char*, ModeCatalogue> boards[] = {{"hawk", TableModes(VexelHawkModes)},
                                                           {"kite", TableModes(VexelKiteModes)}};
  for (const auto& [name, table] : boards) {
    SCOPED_TRACE(name);
    const ModeCatalogue& listed = Boot(name).Modes();
    ASSERT_FALSE(listed.empty());
    const ModeCatalogue body(listed.begin(), listed.end() - 1);
    EXPECT_NE(table, body) << "the driver's order is not the table's";
    EXPECT_TRUE(std::ranges::is_sorted(body, {}, &DisplayMode::BitsPerPel));
    EXPECT_EQ(StartupMode, listed.back());
    ModeCatalogue expected = table;
    expected.push_back(StartupMode);
    EXPECT_TRUE(std::ranges::is_permutation(listed, expected));
  }
}

TEST_F(SimulatedBoardTest, EscapeSupportOfEachDriverVariant) {
  const struct {
    const char* config;
    bool version, info;
  } cases[] = {{"hawk", true, true}, {"kite,noanswer", false, false}, {"hawk,no2050", false, true}};
  for (const auto& expected : cases) {
    SCOPED_TRACE(expected.config);
    const SimulatedBoard& board = Boot(expected.config);
    const auto supports = [&](std::int32_t escape) {
      return board.Escape(QueryEscSupportEscape, EscapeInput(escape), {}) != 0;
    };
    EXPECT_EQ(expected.version, supports(DriverVersionEscape));
    EXPECT_EQ(expected.info, supports(DriverInfoEscape));
    EXPECT_FALSE(supports(0x1234));
  }
}

TEST_F(SimulatedBoardTest, EscapesNeverWritePastTheirOutput) {
  const SimulatedBoard& board = Boot("hawk");
  std::array<std::uint8_t, 300> buffer{};
  buffer.fill(0xEE);
  const auto input = EscapeInput(DriverVersionEscape);
  EXPECT_GT(board.Escape(DriverVersionEscape, input, std::span(buffer).first(100)), 0);
  EXPECT_LT(board.Escape(DriverVersionEscape, input, std::span(buffer).subspan(8, 7)), 0);
  EXPECT_LT(board.Escape(DriverInfoEscape, input, std::span(buffer).subspan(8, 279)), 0);
  EXPECT_EQ(0, board.Escape(QueryEscSupportEscape, std::span(input).first(3), {}));
  EXPECT_EQ((std::vector<std::uint8_t>{'2', 0, '.', 0, '3', 0, 0, 0}),
            std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + 8));
  EXPECT_TRUE(std::all_of(buffer.begin() + 8, buffer.end(), [](std::uint8_t byte) { return byte == 0xEE; }));
}

TEST_F(SimulatedBoardTest, ChangesOnlyToListedModes) {
  SimulatedBoard& board = Boot("kite");
  EXPECT_EQ((DeviceCaps{1024, 768, 16, 60}), board.Caps()) << "15 bits are reported as 16";
  EXPECT_EQ(kDispChangeSuccessful, board.ChangeMode({32, 800, 600, 75}, true));
  EXPECT_EQ(StartupMode, board.RunningMode());
  EXPECT_EQ(kDispChangeBadMode, board.ChangeMode({32, 1024, 768, 60}, true));
  EXPECT_EQ(kDispChangeBadMode, board.ChangeMode({15, 1024, 700, 60}, false));
  EXPECT_EQ(kDispChangeSuccessful, board.ChangeMode({32, 800, 600, 75}, false));
  EXPECT_EQ((DeviceCaps{800, 600, 32, 75}), board.Caps());
}

TEST_F(SimulatedBoardTest, ARegistryThatRefusesWritesFailsTheSet) {
  registry_->DenyWrites(Hive::LocalMachine, "HARDWARE");
  SimulatedBoard& board = Boot("hawk");
  EXPECT_EQ(kDispChangeFailed, board.ChangeMode({32, 800, 600, 75}, false));
  EXPECT_EQ(StartupMode, board.RunningMode());
}

TEST_F(SimulatedBoardTest, HardwareDefaultRefreshPicksTheFirstListedOne) {
  SimulatedBoard& board = Boot("hawk");
  for (const std::int32_t refresh : {0, 1}) {
    EXPECT_EQ(kDispChangeSuccessful, board.ChangeMode({8, 1280, 1024, refresh}, false));
    EXPECT_EQ((DisplayMode{8, 1280, 1024, 60}), board.RunningMode()) << refresh;
  }
}

TEST_F(SimulatedBoardTest, RestartRunsTheStoredModeProfileKeyFirstWhenTheBoardListsIt) {
  SimulatedBoard& board = Boot("kite");
  PutStartupMode(DeviceKey, {32, 800, 600, 70});
  board.Reboot();
  EXPECT_EQ((DisplayMode{32, 800, 600, 70}), board.RunningMode());
  PutStartupMode(ProfileKeyPath(DeviceKey), {8, 640, 480, 60});
  board.Reboot();
  EXPECT_EQ((DisplayMode{8, 640, 480, 60}), board.RunningMode());
  EXPECT_EQ(Dword(800), DeviceValue(names::DefaultXResolution)) << "the restart leaves the stored values";
  PutStartupMode(ProfileKeyPath(DeviceKey), {32, 1152, 870, 75});
  board.Reboot();
  EXPECT_EQ(StartupMode, board.RunningMode());
  // A running mode another board left behind is not shown either.
  Boot("hawk").ChangeMode({32, 1152, 870, 75}, false);
  EXPECT_EQ(StartupMode, Boot("kite").RunningMode());
}

}  // namespace
}  // namespace vexel
