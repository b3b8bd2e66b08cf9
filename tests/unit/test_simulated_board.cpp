#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <set>
#include <tuple>
#include <vector>

#include "info/driver_text.h"
#include "info/gather_adapter_info.h"
#include "mode_test_support.h"
#include "modes/mode_tables.h"
#include "shared/memory_registry.h"
#include "sim/simulated_board.h"
#include "store/driver_store.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

constexpr char DeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr DisplayMode StartupMode{15, 1024, 768, 60};

StoredValue Dword(std::uint32_t value) {
  return {kRegDword,
          {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
           static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

// The display seam in front of the board, so that the panel's own readers
// can ask it; natively there are no windows to tell of a change.
class BoardDisplay final : public Display {
 public:
  explicit BoardDisplay(SimulatedBoard& board) : board_(board) {}

  bool EnumMode(std::uint32_t number, DisplayMode& out) override { return board_.EnumMode(number, out); }
  int Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) override {
    return board_.Escape(code, input, output);
  }
  DeviceCaps Caps() override { return board_.Caps(); }
  long ChangeMode(const DisplayMode& mode, bool testOnly) override { return board_.ChangeMode(mode, testOnly); }
  void BroadcastDisplayChange(std::uint32_t, std::int32_t, std::int32_t) override {}
  VersionInfo Version() override { return {}; }

 private:
  SimulatedBoard& board_;
};

bool Lists(const ModeCatalogue& modes, const DisplayMode& mode) { return std::ranges::count(modes, mode) != 0; }

std::set<std::tuple<int, int, int, int>> Distinct(const ModeCatalogue& modes) {
  std::set<std::tuple<int, int, int, int>> distinct;
  for (const DisplayMode& m : modes) distinct.emplace(m.BitsPerPel, m.PelsWidth, m.PelsHeight, m.DisplayFrequency);
  return distinct;
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
    registry_->Put(Hive::LocalMachine, key, names::kDefaultXResolution, Dword(mode.PelsWidth));
    registry_->Put(Hive::LocalMachine, key, names::kDefaultYResolution, Dword(mode.PelsHeight));
    registry_->Put(Hive::LocalMachine, key, names::kDefaultBitsPerPel, Dword(mode.BitsPerPel));
    registry_->Put(Hive::LocalMachine, key, names::kDefaultVRefresh, Dword(mode.DisplayFrequency));
  }

  std::shared_ptr<MemoryRegistry> registry_ = std::make_shared<MemoryRegistry>();
  std::unique_ptr<SimulatedBoard> board_;
};

// The published texts and sizes are checked through the export and the
// registry in tests/wine (test_export.cpp, test_simulated_board.cpp).
TEST_F(SimulatedBoardTest, BootFillsOnlyMissingStartupValuesAndWithoutPublishingNothing) {
  registry_->Put(Hive::LocalMachine, DeviceKey, names::kDefaultXResolution, Dword(800));
  EXPECT_EQ(StartupMode, Boot("kite,nopublish").RunningMode());
  EXPECT_EQ(std::nullopt, FindDeviceKey(*registry_));
  EXPECT_EQ(1u, registry_->ValueCount(Hive::LocalMachine, DeviceKey));
  Boot("kite");
  EXPECT_EQ(DeviceKey, FindDeviceKey(*registry_));
  EXPECT_EQ(Dword(800), DeviceValue(names::kDefaultXResolution));
  EXPECT_EQ(Dword(768), DeviceValue(names::kDefaultYResolution));
}

// Enumerating them through the display seam is test_simulated_board.cpp's part in tests/wine.
TEST_F(SimulatedBoardTest, ListsEachModeOnceGroupedByDepthWithTheStartupModeAgainAtTheEnd) {
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
    EXPECT_TRUE(Lists(body, StartupMode)) << "listed twice";
    for (const DisplayMode& mode : body) {
      EXPECT_EQ(1, std::ranges::count(body, mode)) << ::testing::PrintToString(mode);
    }
  }
}

// The odd drivers: how much each lists, and whether its start-up mode can be set.
TEST_F(SimulatedBoardTest, OddDriversListWhatTheyPromise) {
  const struct {
    const char* words;
    std::size_t listed;
    long setStartup;
  } rows[] = {
      {"kite,nomodes", 0, kDispChangeBadMode},
      {"kite,onemode", 1, kDispChangeSuccessful},
      {"kite,hostilemodes", 100000, kDispChangeSuccessful},
      {"kite,changingmodes", 26, kDispChangeSuccessful},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.words);
    SimulatedBoard& board = Boot(row.words);
    DisplayMode last{};
    EXPECT_EQ(row.listed, board.Modes().size());
    EXPECT_EQ(row.listed != 0, board.EnumMode(static_cast<std::uint32_t>(row.listed) - 1, last));
    EXPECT_FALSE(board.EnumMode(static_cast<std::uint32_t>(row.listed), last));
    EXPECT_EQ(StartupMode, board.RunningMode());
    EXPECT_EQ(row.setStartup, board.ChangeMode(StartupMode, true));
  }
}

TEST_F(SimulatedBoardTest, TheHostileDriverListsEveryAwkwardValueManyTimes) {
  const ModeCatalogue& listed = Boot("hostilemodes").Modes();
  std::set<std::int32_t> depths, refreshes;
  for (const DisplayMode& mode : listed) {
    depths.insert(mode.BitsPerPel);
    refreshes.insert(mode.DisplayFrequency);
  }
  EXPECT_EQ(depths, (std::set<std::int32_t>{-1, 0, 4, 7, 15, 16, 24, 32, 33}));  // -1: 4294967295
  EXPECT_TRUE(refreshes.contains(0) && refreshes.contains(1));
  EXPECT_LT(Distinct(listed).size() * 50, listed.size()) << "each mode listed many times";
  EXPECT_GT(std::ranges::count(listed, StartupMode), 50);
}

// Only a set moves the changing driver on; its second list holds the first.
TEST_F(SimulatedBoardTest, AChangingDriverServesItsOtherListAfterEachSet) {
  SimulatedBoard& board = Boot("kite,changingmodes");
  const ModeCatalogue first = board.Modes();
  ASSERT_EQ(kDispChangeSuccessful, board.ChangeMode(StartupMode, true));
  EXPECT_EQ(first, board.Modes());
  ASSERT_EQ(kDispChangeSuccessful, board.ChangeMode(StartupMode, false));
  const ModeCatalogue second = board.Modes();
  EXPECT_GT(second.size(), first.size());
  EXPECT_TRUE(std::ranges::includes(Distinct(second), Distinct(first)));
  ASSERT_EQ(kDispChangeSuccessful, board.ChangeMode({16, 1024, 768, 85}, false));
  EXPECT_EQ(first, board.Modes());
}

// The panel's built-in tables are written from the panel's side, the
// board's lists from the driver's: each must hold exactly what the other does.
TEST_F(SimulatedBoardTest, ThePanelsTablesHoldExactlyTheModesTheBoardCanShow) {
  const std::pair<const char*, ModeCatalogue> boards[] = {{"hawk", TableModes(VexelHawkModes)},
                                                          {"kite", TableModes(VexelKiteModes)}};
  for (const auto& [name, table] : boards) {
    SCOPED_TRACE(name);
    const ModeCatalogue& listed = Boot(name).Modes();
    for (const DisplayMode& mode : table) {
      EXPECT_TRUE(Lists(listed, mode)) << "the board cannot show " << ::testing::PrintToString(mode);
    }
    for (const DisplayMode& mode : listed) {
      EXPECT_TRUE(Lists(table, mode)) << "the panel's table lacks " << ::testing::PrintToString(mode);
    }
  }
}

// Each name and key path the panel reads by must find the value the
// miniport publishes, with the type the panel's reader expects; and the
// miniport publishes nothing the panel has no name for.
TEST_F(SimulatedBoardTest, ThePanelsNamesFindEveryValueTheMiniportPublishes) {
  Boot("hawk");
  const std::string serviceKey = ServiceKeyPath(DeviceKey);
  const struct {
    std::string_view key;
    const char* name;
    std::uint32_t type;
  } published[] = {
      {names::kDeviceMapKey, names::kDeviceVideo0, kRegSz},
      {serviceKey, names::kImagePath, kRegExpandSz},
      {DeviceKey, names::kInstalledDisplayDrivers, kRegMultiSz},
      {DeviceKey, names::kAdapterString, kRegBinary},
      {DeviceKey, names::kChipType, kRegBinary},
      {DeviceKey, names::kDacType, kRegBinary},
      {DeviceKey, names::kDriverVersion, kRegBinary},
      {DeviceKey, names::kMemorySize, kRegDword},
      {DeviceKey, names::kLocalbufferLengthBytes, kRegDword},
      {DeviceKey, names::kLocalbufferBitsPerPel, kRegDword},
      {DeviceKey, names::kDefaultXResolution, kRegDword},
      {DeviceKey, names::kDefaultYResolution, kRegDword},
      {DeviceKey, names::kDefaultBitsPerPel, kRegDword},
      {DeviceKey, names::kDefaultVRefresh, kRegDword},
  };
  for (const auto& value : published) {
    SCOPED_TRACE(value.name);
    const std::optional<StoredValue> found = registry_->Find(Hive::LocalMachine, value.key, value.name);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(value.type, found->type);
  }
  for (const std::string_view key :
       {std::string_view(names::kDeviceMapKey), std::string_view(serviceKey), std::string_view(DeviceKey)}) {
    const auto named = std::ranges::count(published, key, [](const auto& value) { return value.key; });
    EXPECT_EQ(static_cast<std::size_t>(named), registry_->ValueCount(Hive::LocalMachine, key)) << key;
  }
}

// The panel's readers, its escape codes and its vendor check, over what the board says.
TEST_F(SimulatedBoardTest, ThePanelGathersWhatTheBoardPublishesAndAnswers) {
  BoardDisplay display(Boot("kite,4mb,lb24"));
  const AdapterInfo info = GatherAdapterInfo(*registry_, display, DeviceKey, "", &AsciiNarrowText);
  EXPECT_EQ("vexel3d.sys", info.miniportFile);
  EXPECT_EQ("vexel3d.dll", info.displayDriverFile);
  EXPECT_EQ("2.3", info.displayDriverVersion);
  EXPECT_EQ("VexelKite", info.adapter);
  EXPECT_EQ("GLINT 300SX", info.chip);
  EXPECT_EQ("TI TVP3026", info.dac);
  EXPECT_EQ("1.1", info.miniportVersion);
  EXPECT_EQ(StartupMode, info.defaultMode);
  EXPECT_EQ(4u << 20, info.memorySize);
  EXPECT_EQ(4u << 20, info.localBufferSize);

  DriverInfoReply reply;
  bool answered = false;
  std::uint32_t memory = 0;
  EXPECT_TRUE(QueryDriverInfo(*registry_, display, DeviceKey, reply, answered, memory));
  EXPECT_TRUE(reply.IsSupportedVendor());
  EXPECT_EQ(0u, reply.BoardModel());
  EXPECT_EQ(4u << 20, reply.LocalBufferSize());
  EXPECT_EQ(24u, reply.LocalBufferWidth());
  EXPECT_EQ(StartupMode, ReadCurrentMode(*registry_, display, "").mode);
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
      return board.Escape(kQueryEscSupportEscape, EscapeInput(escape), {}) != 0;
    };
    EXPECT_EQ(expected.version, supports(kDriverVersionEscape));
    EXPECT_EQ(expected.info, supports(kDriverInfoEscape));
    EXPECT_FALSE(supports(0x1234));
  }
}

TEST_F(SimulatedBoardTest, EscapesNeverWritePastTheirOutput) {
  const SimulatedBoard& board = Boot("hawk");
  std::array<std::uint8_t, 300> buffer{};
  buffer.fill(0xEE);
  const auto input = EscapeInput(kDriverVersionEscape);
  EXPECT_GT(board.Escape(kDriverVersionEscape, input, std::span(buffer).first(100)), 0);
  EXPECT_LT(board.Escape(kDriverVersionEscape, input, std::span(buffer).subspan(8, 7)), 0);
  EXPECT_LT(board.Escape(kDriverInfoEscape, input, std::span(buffer).subspan(8, 279)), 0);
  EXPECT_EQ(0, board.Escape(kQueryEscSupportEscape, std::span(input).first(3), {}));
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
  EXPECT_EQ(Dword(800), DeviceValue(names::kDefaultXResolution)) << "the restart leaves the stored values";
  PutStartupMode(ProfileKeyPath(DeviceKey), {32, 1152, 870, 75});
  board.Reboot();
  EXPECT_EQ(StartupMode, board.RunningMode());
  // A running mode another board left behind is not shown either.
  Boot("hawk").ChangeMode({32, 1152, 870, 75}, false);
  EXPECT_EQ(StartupMode, Boot("kite").RunningMode());
}

}  // namespace
}  // namespace vexel
