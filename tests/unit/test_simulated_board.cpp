#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <tuple>

#include "mode_test_support.h"
#include "modes/mode_choices.h"
#include "modes/mode_tables.h"
#include "platform/memory_registry.h"
#include "platform/simulated_board.h"
#include "store/driver_store.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

constexpr char DeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr DisplayMode StartupMode{15, 1024, 768, 60};

// The board behind the display seam, as the program's portable code sees it.
class BoardDisplay : public Display {
 public:
  explicit BoardDisplay(SimulatedBoard& board) : board_(board) {}
  bool EnumMode(std::uint32_t number, DisplayMode& out) override { return board_.EnumMode(number, out); }
  int Escape(std::int32_t code, std::span<const std::uint8_t> input,
             std::span<std::uint8_t> output) override {
    return board_.Escape(code, input, output);
  }
  DeviceCaps Caps() override { return board_.Caps(); }
  long ChangeMode(const DisplayMode& mode, bool testOnly) override {
    return board_.ChangeMode(mode, testOnly);
  }
  void BroadcastDisplayChange(std::uint32_t, std::int32_t, std::int32_t) override {}
  VersionInfo Version() override { return {}; }

 private:
  SimulatedBoard& board_;
};

SimulatedBoardConfig Config(std::string_view value) { return ParseSimulation(value); }

StoredValue Dword(std::uint32_t value) {
  return {kRegDword, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

StoredValue Utf16(std::string_view ascii) {
  StoredValue value{kRegBinary, {}};
  for (const char c : ascii) value.data.insert(value.data.end(), {static_cast<std::uint8_t>(c), 0});
  value.data.insert(value.data.end(), {0, 0});
  return value;
}

void PutStartupMode(MemoryRegistry& registry, const std::string& key, const DisplayMode& mode) {
  registry.Put(Hive::LocalMachine, key, names::DefaultXResolution, Dword(mode.PelsWidth));
  registry.Put(Hive::LocalMachine, key, names::DefaultYResolution, Dword(mode.PelsHeight));
  registry.Put(Hive::LocalMachine, key, names::DefaultBitsPerPel, Dword(mode.BitsPerPel));
  registry.Put(Hive::LocalMachine, key, names::DefaultVRefresh, Dword(mode.DisplayFrequency));
}

class SimulatedBoardTest : public ::testing::Test {
 protected:
  SimulatedBoard& Boot(std::string_view config) {
    board_ = std::make_unique<SimulatedBoard>(registry_, Config(config));
    board_->Boot();
    display_ = std::make_unique<BoardDisplay>(*board_);
    return *board_;
  }

  std::optional<StoredValue> DeviceValue(std::string_view name) const {
    return registry_->Find(Hive::LocalMachine, DeviceKey, name);
  }

  std::shared_ptr<MemoryRegistry> registry_ = std::make_shared<MemoryRegistry>();
  std::unique_ptr<SimulatedBoard> board_;
  std::unique_ptr<BoardDisplay> display_;
};

TEST_F(SimulatedBoardTest, BootPublishesTheBoardAndFillsOnlyMissingStartupValues) {
  registry_->Put(Hive::LocalMachine, DeviceKey, names::DefaultXResolution, Dword(800));
  Boot("kite,4mb");
  EXPECT_EQ(DeviceKey, FindDeviceKey(*registry_));
  EXPECT_EQ(Dword(800), DeviceValue(names::DefaultXResolution));
  EXPECT_EQ(Dword(768), DeviceValue(names::DefaultYResolution));
  EXPECT_EQ(Utf16("VexelKite"), DeviceValue(names::AdapterString));
  EXPECT_EQ(Utf16("GLINT 300SX"), DeviceValue(names::ChipType));
  EXPECT_EQ(Utf16("1.1"), DeviceValue(names::DriverVersion));
  EXPECT_EQ(Dword(4u << 20), DeviceValue(names::MemorySize));
  EXPECT_EQ(Dword(4u << 20), DeviceValue(names::LocalbufferLengthBytes));
  Boot("hawk");
  EXPECT_EQ(Utf16("GLINT 300SX + GLINT Delta"), DeviceValue(names::ChipType));
}

TEST_F(SimulatedBoardTest, BootWithoutPublishingLeavesTheRegistryAsItWas) {
  registry_->Put(Hive::LocalMachine, DeviceKey, names::AdapterString, Utf16("Own Adapter"));
  Boot("kite,nopublish");
  EXPECT_EQ(std::nullopt, FindDeviceKey(*registry_));
  EXPECT_EQ(Utf16("Own Adapter"), DeviceValue(names::AdapterString));
  EXPECT_EQ(1u, registry_->ValueCount(Hive::LocalMachine, DeviceKey));
  EXPECT_EQ(StartupMode, board_->RunningMode());
}

TEST_F(SimulatedBoardTest, ListsItsTableInADriverOrderWithOneModeTwice) {
  const std::pair<const char*, ModeCatalogue> boards[] = {{"hawk", TableModes(VexelHawkModes)},
                                                           {"kite", TableModes(VexelKiteModes)}};
  for (const auto& [name, table] : boards) {
    const SimulatedBoard& board = Boot(name);
    ModeCatalogue listed;
    FillModeCatalogue(listed, "", *display_);
    EXPECT_EQ(table.size() + 1, listed.size()) << name;
    EXPECT_NE(table, ModeCatalogue(listed.begin(), listed.end() - 1)) << name;
    EXPECT_TRUE(std::ranges::is_sorted(listed.begin(), listed.end() - 1, {}, &DisplayMode::BitsPerPel));
    EXPECT_EQ(2, std::ranges::count(listed, StartupMode)) << name;
    ModeCatalogue sortedTable = table;
    sortedTable.push_back(StartupMode);
    const auto byFields = [](const DisplayMode& a, const DisplayMode& b) {
      return std::tie(a.BitsPerPel, a.PelsWidth, a.PelsHeight, a.DisplayFrequency) <
             std::tie(b.BitsPerPel, b.PelsWidth, b.PelsHeight, b.DisplayFrequency);
    };
    std::ranges::sort(sortedTable, byFields);
    std::ranges::sort(listed, byFields);
    EXPECT_EQ(sortedTable, listed) << name;
    EXPECT_EQ(BuildDesktopAreaWidths(table), BuildDesktopAreaWidths(board.Modes()));
  }
}

struct EscapeCase {
  const char* config;
  bool versionSupported;
  bool infoSupported;
  bool answered;
};

TEST_F(SimulatedBoardTest, EscapeSupportOfEachDriverVariant) {
  const EscapeCase cases[] = {{"hawk", true, true, true},
                              {"kite,noanswer", false, false, false},
                              {"hawk,no2050", false, true, false}};
  for (const EscapeCase& expected : cases) {
    Boot(expected.config);
    EXPECT_EQ(expected.versionSupported, display_->QueryEscapeSupport(DriverVersionEscape)) << expected.config;
    EXPECT_EQ(expected.infoSupported, display_->QueryEscapeSupport(DriverInfoEscape)) << expected.config;
    EXPECT_FALSE(display_->QueryEscapeSupport(0x1234));
    DriverInfoReply info;
    bool answered = false;
    std::uint32_t memory = 0;
    EXPECT_EQ(expected.answered, QueryDriverInfo(*registry_, *display_, DeviceKey, info, answered, memory));
    EXPECT_EQ(8u << 20, memory);
  }
}

TEST_F(SimulatedBoardTest, EscapesNeverWritePastTheirOutput) {
  const SimulatedBoard& board = Boot("hawk");
  std::array<std::uint8_t, 300> buffer{};
  buffer.fill(0xEE);
  const auto input = EscapeInput(DriverVersionEscape);
  EXPECT_GT(board.Escape(DriverVersionEscape, input, std::span(buffer).first(100)), 0);
  EXPECT_EQ((std::array<std::uint8_t, 8>{'2', 0, '.', 0, '3', 0, 0, 0}),
            (std::array<std::uint8_t, 8>{buffer[0], buffer[1], buffer[2], buffer[3], buffer[4],
                                         buffer[5], buffer[6], buffer[7]}));
  buffer.fill(0xEE);
  EXPECT_LT(board.Escape(DriverVersionEscape, input, std::span(buffer).first(7)), 0);
  EXPECT_LT(board.Escape(DriverInfoEscape, input, std::span(buffer).first(279)), 0);
  EXPECT_EQ(0, board.Escape(QueryEscSupportEscape, std::span(input).first(3), {}));
  EXPECT_TRUE(std::ranges::all_of(buffer, [](std::uint8_t byte) { return byte == 0xEE; }));
}

TEST_F(SimulatedBoardTest, RunsItsStartupModeAndReportsFifteenBitsAsSixteen) {
  Boot("kite");
  EXPECT_EQ((DeviceCaps{1024, 768, 16, 60}), display_->Caps());
  EXPECT_EQ(StartupMode, ReadCurrentMode(*registry_, *display_, "VEXELKITE", [] {}));
}

TEST_F(SimulatedBoardTest, ChangesOnlyToListedModes) {
  SimulatedBoard& board = Boot("kite");
  EXPECT_EQ(kDispChangeSuccessful, board.ChangeMode({32, 800, 600, 75}, true));
  EXPECT_EQ(StartupMode, board.RunningMode());
  EXPECT_EQ(kDispChangeBadMode, board.ChangeMode({32, 1024, 768, 60}, true));
  EXPECT_EQ(kDispChangeBadMode, board.ChangeMode({15, 1024, 700, 60}, false));
  EXPECT_EQ(kDispChangeSuccessful, board.ChangeMode({32, 800, 600, 75}, false));
  EXPECT_EQ((DeviceCaps{800, 600, 32, 75}), board.Caps());
}

TEST_F(SimulatedBoardTest, HardwareDefaultRefreshPicksTheFirstListedOne) {
  SimulatedBoard& board = Boot("hawk");
  for (const std::int32_t refresh : {0, 1}) {
    EXPECT_EQ(kDispChangeSuccessful, board.ChangeMode({8, 1280, 1024, refresh}, false));
    EXPECT_EQ((DisplayMode{8, 1280, 1024, 60}), board.RunningMode());
  }
}

TEST_F(SimulatedBoardTest, RestartTakesTheProfileKeyFirstThenTheDeviceKey) {
  SimulatedBoard& board = Boot("hawk");
  PutStartupMode(*registry_, DeviceKey, {32, 800, 600, 70});
  board.Reboot();
  EXPECT_EQ((DisplayMode{32, 800, 600, 70}), board.RunningMode());
  PutStartupMode(*registry_, ProfileKeyPath(DeviceKey), {8, 640, 480, 60});
  board.Reboot();
  EXPECT_EQ((DisplayMode{8, 640, 480, 60}), board.RunningMode());
  EXPECT_EQ(Dword(800), DeviceValue(names::DefaultXResolution));
}

TEST_F(SimulatedBoardTest, AStoredModeTheBoardCannotShowStartsTheStartupMode) {
  SimulatedBoard& board = Boot("kite");
  PutStartupMode(*registry_, ProfileKeyPath(DeviceKey), {32, 1152, 870, 75});
  board.Reboot();
  EXPECT_EQ(StartupMode, board.RunningMode());
  Boot("hawk").ChangeMode({32, 1152, 870, 75}, false);
  EXPECT_EQ(StartupMode, Boot("kite").RunningMode());
}

TEST_F(SimulatedBoardTest, ARegistryThatRefusesWritesFailsTheSet) {
  registry_->DenyWrites(Hive::LocalMachine, "HARDWARE");
  SimulatedBoard& board = Boot("hawk");
  EXPECT_EQ(kDispChangeFailed, board.ChangeMode({32, 800, 600, 75}, false));
  EXPECT_EQ(StartupMode, board.RunningMode());
}

}  // namespace
}  // namespace vexel
