#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "mode_test_support.h"
#include "shared/memory_registry.h"
#include "store/driver_store.h"
#include "store/value_names.h"

namespace vexel {
namespace {

using namespace std::string_view_literals;

constexpr char DeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char PerMakerKey[] = "SOFTWARE\\Vexelworks\\VEXELPANEL\\3.3";

// A display whose driver supports the escapes it is told to (asked with a
// 4-byte input), answers the information escape with a given result and a
// recognisable reply, and records the escapes it was sent.
class ScriptedDisplay : public Display {
 public:
  std::set<int32_t> Supported;
  int InfoResult = 1;
  DeviceCaps Running{1280, 1024, 16, 75};

  std::vector<int32_t> Codes;  // support queries as the negated escape they ask about
  std::vector<uint8_t> InfoInput;
  size_t InfoOutputSize = 0;

  int Escape(int32_t code, std::span<const uint8_t> input, std::span<uint8_t> output) override {
    if (code == kQueryEscSupportEscape) {
      const int32_t asked = input.size() == 4 ? input[0] | input[1] << 8 : 0;
      Codes.push_back(-asked);
      return Supported.contains(asked) ? 1 : 0;
    }
    Codes.push_back(code);
    InfoInput.assign(input.begin(), input.end());
    InfoOutputSize = output.size();
    std::ranges::fill(output, uint8_t{0x5A});
    return InfoResult;
  }
  DeviceCaps Caps() override { return Running; }
  bool EnumMode(uint32_t, DisplayMode&) override { return false; }
  long ChangeMode(const DisplayMode&, bool) override { return kDispChangeFailed; }
  void BroadcastDisplayChange(uint32_t, int32_t, int32_t) override {}
  VersionInfo Version() override { return {}; }
};

StoredValue Dword(uint32_t value) {
  return {kRegDword,
          {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
           static_cast<uint8_t>(value >> 24)}};
}

StoredValue Text(std::string_view text) { return {kRegSz, {text.begin(), text.end()}}; }

void PutDeviceMap(MemoryRegistry& registry, std::string_view value) {
  registry.Put(Hive::LocalMachine, names::kDeviceMapKey, names::kDeviceVideo0, Text(value));
}

void PutStartupMode(MemoryRegistry& registry, std::string_view key, const DisplayMode& mode) {
  registry.Put(Hive::LocalMachine, key, names::kDefaultXResolution, Dword(static_cast<uint32_t>(mode.PelsWidth)));
  registry.Put(Hive::LocalMachine, key, names::kDefaultYResolution, Dword(static_cast<uint32_t>(mode.PelsHeight)));
  registry.Put(Hive::LocalMachine, key, names::kDefaultBitsPerPel, Dword(static_cast<uint32_t>(mode.BitsPerPel)));
  registry.Put(Hive::LocalMachine, key, names::kDefaultVRefresh, Dword(static_cast<uint32_t>(mode.DisplayFrequency)));
}

// How the value's text becomes a path is DeviceKeyFromDeviceMap's part (test_key_paths.cpp).
TEST(FindDeviceKey, TheDeviceMapsVideo0ValueAsAKeyPathOrNothing) {
  MemoryRegistry registry;
  EXPECT_FALSE(FindDeviceKey(registry));
  registry.Put(Hive::LocalMachine, names::kDeviceMapKey, "\\Device\\Video1", Text("System\\X"));
  EXPECT_FALSE(FindDeviceKey(registry));
  PutDeviceMap(registry, "\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{1D2}\\0000\0"sv);
  EXPECT_EQ("System\\CurrentControlSet\\Control\\Video\\{1D2}\\0000", FindDeviceKey(registry));
  PutDeviceMap(registry, "");
  EXPECT_EQ("", FindDeviceKey(registry)) << "an empty value is still a value";
}

class QueryDriverInfoTest : public ::testing::Test {
 protected:
  QueryDriverInfoTest() {
    registry.Put(Hive::LocalMachine, DeviceKey, names::kMemorySize, Dword(8u << 20));
    info.bytes.fill(0x11);
  }

  bool Query() { return QueryDriverInfo(registry, display, DeviceKey, info, answered, memorySize); }

  bool ReplyIsAll(uint8_t value) const {
    return std::ranges::all_of(info.bytes, [value](uint8_t byte) { return byte == value; });
  }

  MemoryRegistry registry;
  ScriptedDisplay display;
  DriverInfoReply info;
  bool answered = false;
  uint32_t memorySize = 0;
};

TEST_F(QueryDriverInfoTest, ADriverWithBothEscapesFillsTheWholeReply) {
  display.Supported = {kDriverVersionEscape, kDriverInfoEscape};
  EXPECT_TRUE(Query());
  EXPECT_TRUE(answered);
  EXPECT_TRUE(ReplyIsAll(0x5A));
  EXPECT_EQ(8u << 20, memorySize);
  EXPECT_EQ((std::vector<int32_t>{-kDriverVersionEscape, -kDriverInfoEscape, kDriverInfoEscape}), display.Codes);
  EXPECT_EQ((std::vector<uint8_t>{0x13, 0x08, 0, 0}), display.InfoInput);
  EXPECT_EQ(280u, display.InfoOutputSize);
}

TEST_F(QueryDriverInfoTest, NoVersionEscapeOrAResultOfZeroOrLessLeavesTheReplyAndOnlyAMissingKeyTheSize) {
  display.Supported = {kDriverInfoEscape};
  EXPECT_FALSE(Query());
  EXPECT_EQ(std::vector<int32_t>{-kDriverVersionEscape}, display.Codes) << "the information escape is not asked";
  display.Supported = {kDriverVersionEscape, kDriverInfoEscape};
  for (const int result : {0, -1}) {
    display.InfoResult = result;
    EXPECT_FALSE(Query()) << result;
  }
  EXPECT_FALSE(answered);
  EXPECT_TRUE(ReplyIsAll(0x11));
  EXPECT_EQ(8u << 20, memorySize);
  memorySize = 77;
  QueryDriverInfo(registry, display, "System\\Missing", info, answered, memorySize);
  EXPECT_EQ(77u, memorySize) << "a missing device key leaves the size";
  // Without a device key the machine root itself is not read in its place.
  registry.Put(Hive::LocalMachine, "", names::kMemorySize, Dword(4u << 20));
  QueryDriverInfo(registry, display, "", info, answered, memorySize);
  EXPECT_EQ(77u, memorySize) << "an unknown device key leaves the size";
}

TEST(ReadCurrentMode, TheStoredModeOnlyWhenCompleteAndNoCardIsNamedElseTheRunningOneMarked) {
  const DisplayMode running{15, 1280, 1024, 75};
  const struct {
    const char* what;
    bool deviceMap;
    DisplayMode stored;
    const char* cardName;
    bool takesStored;
  } cases[] = {
      {"complete", true, {32, 800, 600, 72}, "", true},
      {"no refresh", true, {32, 800, 600, 0}, "", false},
      {"no depth", true, {0, 800, 600, 60}, "", false},
      {"no width", true, {32, 0, 600, 60}, "", false},
      {"no height", true, {32, 800, 0, 60}, "", false},
      {"a card name", true, {32, 800, 600, 72}, "VEXELHAWK", false},
      {"no device map", false, {32, 800, 600, 72}, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryRegistry registry;
    // Wine's device map spells the prefix "\Registry\Machine\".
    if (c.deviceMap) PutDeviceMap(registry, "\\Registry\\Machine\\System\\Video\\0000");
    PutStartupMode(registry, "System\\Video\\0000", c.stored);
    ScriptedDisplay display;
    const CurrentModeReading reading = ReadCurrentMode(registry, display, c.cardName);
    EXPECT_EQ(c.takesStored ? c.stored : running, reading.mode);
    EXPECT_EQ(!c.takesStored, reading.running);
  }
}

// The apply stores the mode in the hardware-profile copy of the device key,
// where the driver looks first too.
TEST(ReadCurrentMode, TakesEachValueFromTheProfileCopyAndTheRestFromTheDeviceKey) {
  constexpr char kProfile[] =
      "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet\\Services\\Video\\0000";
  const struct {
    const char* what;
    std::vector<std::pair<const char*, uint32_t>> inCopy;
    DisplayMode expected;
  } cases[] = {
      {"no copy", {}, {15, 1024, 768, 60}},
      {"the depth", {{"DefaultSettings.BitsPerPel", 8}}, {8, 1024, 768, 60}},
      {"size and refresh",
       {{"DefaultSettings.XResolution", 800}, {"DefaultSettings.YResolution", 600}, {"DefaultSettings.VRefresh", 75}},
       {15, 800, 600, 75}},
      {"a refresh of 0", {{"DefaultSettings.VRefresh", 0}}, {15, 1280, 1024, 75}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    MemoryRegistry registry;
    PutDeviceMap(registry, "\\REGISTRY\\Machine\\System\\Video\\0000");
    PutStartupMode(registry, "System\\Video\\0000", {15, 1024, 768, 60});
    for (const auto& [name, value] : c.inCopy) registry.Put(Hive::LocalMachine, kProfile, name, Dword(value));
    ScriptedDisplay display;
    EXPECT_EQ(c.expected, ReadCurrentMode(registry, display, "").mode);
  }
}

TEST(ReadCurrentMode, OnlySixteenBitsAreReportedAsFifteen) {
  MemoryRegistry registry;
  ScriptedDisplay display;
  const std::pair<int32_t, int32_t> depths[] = {{16, 15}, {15, 15}, {8, 8}, {24, 24}, {32, 32}};
  for (const auto& [reported, expected] : depths) {
    display.Running.bitsPerPixel = reported;
    EXPECT_EQ(expected, ReadCurrentMode(registry, display, "").mode.BitsPerPel) << reported;
  }
}

TEST(PerMakerKey, StoresBothTextsWithTheirNulAndReadReplacesOnlyWhatIsStored) {
  MemoryRegistry registry;
  PerMakerValues values{"KEPT", "KEPT"};
  ReadPerMakerKey(registry, PerMakerKey, values);
  EXPECT_EQ("KEPT", values.cardName);
  EXPECT_EQ("KEPT", values.registryPath);
  registry.Put(Hive::LocalMachine, PerMakerKey, names::kRegistryPath, Text("System\\X"));
  ReadPerMakerKey(registry, PerMakerKey, values);
  EXPECT_EQ("KEPT", values.cardName);
  EXPECT_EQ("System\\X", values.registryPath);

  EXPECT_EQ(kOk, WritePerMakerKey(registry, PerMakerKey, {"VEXELHAWK", ""}));
  EXPECT_EQ(Text("VEXELHAWK\0"sv), registry.Find(Hive::LocalMachine, PerMakerKey, names::kInstalledCard));
  EXPECT_EQ(Text("\0"sv), registry.Find(Hive::LocalMachine, PerMakerKey, names::kRegistryPath));
  ReadPerMakerKey(registry, PerMakerKey, values);
  EXPECT_EQ("VEXELHAWK", values.cardName);
  EXPECT_EQ("", values.registryPath);
}

TEST(PerMakerKey, ReportsTheStatusOfAFailedCreateOrWrite) {
  MemoryRegistry registry;
  registry.DenyWrites(Hive::LocalMachine, "SOFTWARE\\Vexelworks");
  EXPECT_EQ(kAccessDenied, WritePerMakerKey(registry, PerMakerKey, {"VEXELKITE", DeviceKey}));
  registry.DenyWrites(Hive::LocalMachine, PerMakerKey);
  EXPECT_EQ(kAccessDenied, WritePerMakerKey(registry, PerMakerKey, {"VEXELKITE", DeviceKey}));
  EXPECT_EQ(0u, registry.ValueCount(Hive::LocalMachine, PerMakerKey));
}

}  // namespace
}  // namespace vexel
