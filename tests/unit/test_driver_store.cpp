#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "mode_test_support.h"
#include "platform/memory_registry.h"
#include "store/driver_store.h"
#include "store/value_names.h"

namespace vexel {
namespace {

using namespace std::string_view_literals;

constexpr char DeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char PerMakerKey[] = "SOFTWARE\\Vexelworks\\VEXELPANEL\\3.3";

// A display whose driver supports the escapes it is told to, answers the
// information escape with a given result and a recognisable reply, and
// records every escape call.
class ScriptedDisplay : public Display {
public:
    std::set<int32_t> Supported;
    int InfoResult = 1;
    DeviceCaps Running{1280, 1024, 16, 75};

    struct Call {
        int32_t Code;
        std::vector<uint8_t> Input;
        size_t OutputSize;
    };
    std::vector<Call> Calls;

    int Escape(int32_t code, std::span<const uint8_t> input, std::span<uint8_t> output) override {
        Calls.push_back({code, {input.begin(), input.end()}, output.size()});
        if (code == QueryEscSupportEscape) {
            return Supported.contains(static_cast<int32_t>(input[0] | input[1] << 8)) ? 1 : 0;
        }
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
    return {kRegDword, {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)}};
}

StoredValue Text(std::string_view text, uint32_t type = kRegSz) {
    return {type, {text.begin(), text.end()}};
}

void PutDeviceMap(MemoryRegistry& registry, std::string_view value) {
    registry.Put(Hive::LocalMachine, names::DeviceMapKey, names::DeviceVideo0, Text(value));
}

void PutStartupMode(MemoryRegistry& registry, std::string_view key, const DisplayMode& mode) {
    registry.Put(Hive::LocalMachine, key, names::DefaultXResolution, Dword(static_cast<uint32_t>(mode.PelsWidth)));
    registry.Put(Hive::LocalMachine, key, names::DefaultYResolution, Dword(static_cast<uint32_t>(mode.PelsHeight)));
    registry.Put(Hive::LocalMachine, key, names::DefaultBitsPerPel, Dword(static_cast<uint32_t>(mode.BitsPerPel)));
    registry.Put(Hive::LocalMachine, key, names::DefaultVRefresh, Dword(static_cast<uint32_t>(mode.DisplayFrequency)));
}

TEST(FindDeviceKey, TakesThePathAfterTheMachinePrefixInAnyCase) {
    MemoryRegistry registry;
    PutDeviceMap(registry, "\\REGISTRY\\Machine\\System\\CurrentControlSet\\Services\\Vexel3D\\Device0\0"sv);
    EXPECT_EQ(DeviceKey, FindDeviceKey(registry));
    PutDeviceMap(registry, "\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{1D2}\\0000\0"sv);
    EXPECT_EQ("System\\CurrentControlSet\\Control\\Video\\{1D2}\\0000", FindDeviceKey(registry));
}

TEST(FindDeviceKey, UsesOtherValuesWholeEvenWithoutTheirNul) {
    MemoryRegistry registry;
    PutDeviceMap(registry, "System\\Vexel3D\\Device0");
    EXPECT_EQ("System\\Vexel3D\\Device0", FindDeviceKey(registry));
    PutDeviceMap(registry, "\\Dev");
    EXPECT_EQ("\\Dev", FindDeviceKey(registry));
    PutDeviceMap(registry, "");
    EXPECT_EQ("", FindDeviceKey(registry));
}

TEST(FindDeviceKey, FindsNothingWithoutTheDeviceMapOrItsValue) {
    MemoryRegistry registry;
    EXPECT_FALSE(FindDeviceKey(registry));
    registry.Put(Hive::LocalMachine, names::DeviceMapKey, "\\Device\\Video1", Text("System\\X"));
    EXPECT_FALSE(FindDeviceKey(registry));
}

class QueryDriverInfoTest : public ::testing::Test {
protected:
    QueryDriverInfoTest() {
        registry.Put(Hive::LocalMachine, DeviceKey, names::MemorySize, Dword(8u << 20));
        info.Bytes.fill(0x11);
    }

    bool Query() { return QueryDriverInfo(registry, display, DeviceKey, info, answered, memorySize); }

    std::vector<int32_t> EscapeCodes() const {
        std::vector<int32_t> codes;
        for (const auto& call : display.Calls) {
            codes.push_back(call.Code == QueryEscSupportEscape ? -call.Input[0] - 256 * call.Input[1] : call.Code);
        }
        return codes;
    }

    MemoryRegistry registry;
    ScriptedDisplay display;
    DriverInfoReply info;
    bool answered = false;
    uint32_t memorySize = 0;
};

TEST_F(QueryDriverInfoTest, ADriverWithBothEscapesFillsTheWholeReply) {
    display.Supported = {DriverVersionEscape, DriverInfoEscape};
    EXPECT_TRUE(Query());
    EXPECT_TRUE(answered);
    EXPECT_TRUE(std::ranges::all_of(info.Bytes, [](uint8_t byte) { return byte == 0x5A; }));
    EXPECT_EQ(8u << 20, memorySize);
    // Support is asked with a 4-byte input: the version escape first.
    EXPECT_EQ((std::vector<int32_t>{-DriverVersionEscape, -DriverInfoEscape, DriverInfoEscape}), EscapeCodes());
    const auto& request = display.Calls.back();
    EXPECT_EQ((std::vector<uint8_t>{0x13, 0x08, 0, 0}), request.Input);
    EXPECT_EQ(280u, request.OutputSize);
    EXPECT_EQ(4u, display.Calls.front().Input.size());
}

TEST_F(QueryDriverInfoTest, InfoWithoutTheVersionEscapeCountsAsNoAnswer) {
    display.Supported = {DriverInfoEscape};
    EXPECT_FALSE(Query());
    EXPECT_FALSE(answered);
    EXPECT_EQ(0x11, info.Bytes[8]);
    EXPECT_EQ(std::vector<int32_t>{-DriverVersionEscape}, EscapeCodes());
    EXPECT_EQ(8u << 20, memorySize);
}

TEST_F(QueryDriverInfoTest, AResultOfZeroOrLessLeavesTheReplyAsItWas) {
    display.Supported = {DriverVersionEscape, DriverInfoEscape};
    for (const int result : {0, -1}) {
        display.InfoResult = result;
        EXPECT_FALSE(Query()) << result;
        EXPECT_FALSE(answered);
        EXPECT_TRUE(std::ranges::all_of(info.Bytes, [](uint8_t byte) { return byte == 0x11; }));
    }
}

TEST_F(QueryDriverInfoTest, MissingMemorySizeOrDeviceKeyLeavesTheSize) {
    memorySize = 77;
    EXPECT_FALSE(QueryDriverInfo(registry, display, "System\\Missing", info, answered, memorySize));
    EXPECT_EQ(77u, memorySize);
    EXPECT_FALSE(QueryDriverInfo(registry, display, "", info, answered, memorySize));
    EXPECT_EQ(77u, memorySize);
}

class ReadCurrentModeTest : public ::testing::Test {
protected:
    ReadCurrentModeTest() { PutDeviceMap(registry, "\\REGISTRY\\Machine\\System\\CurrentControlSet\\Services\\Vexel3D\\Device0"); }

    DisplayMode Read(std::string_view cardName) {
        return ReadCurrentMode(registry, display, cardName, [this] { ++marks; });
    }

    MemoryRegistry registry;
    ScriptedDisplay display;
    int marks = 0;
};

TEST_F(ReadCurrentModeTest, CompleteStartupModeWithoutCardNameIsTakenUnmarked) {
    PutStartupMode(registry, DeviceKey, {32, 800, 600, 72});
    EXPECT_EQ((DisplayMode{32, 800, 600, 72}), Read(""));
    EXPECT_EQ(0, marks);
}

TEST_F(ReadCurrentModeTest, AnyZeroValueFallsBackToTheRunningDisplay) {
    const DisplayMode running{15, 1280, 1024, 75};
    for (const DisplayMode& stored : {DisplayMode{32, 800, 600, 0}, DisplayMode{0, 800, 600, 60},
                                      DisplayMode{32, 0, 600, 60}, DisplayMode{32, 800, 0, 60}}) {
        PutStartupMode(registry, DeviceKey, stored);
        EXPECT_EQ(running, Read("")) << ::testing::PrintToString(stored);
    }
    EXPECT_EQ(4, marks);
}

TEST_F(ReadCurrentModeTest, ACardNameIgnoresACompleteStartupMode) {
    PutStartupMode(registry, DeviceKey, {32, 800, 600, 72});
    EXPECT_EQ((DisplayMode{15, 1280, 1024, 75}), Read("VEXELHAWK"));
    EXPECT_EQ(1, marks);
}

TEST_F(ReadCurrentModeTest, OnlySixteenBitsAreReportedAsFifteen) {
    const std::pair<int32_t, int32_t> depths[] = {{16, 15}, {15, 15}, {8, 8}, {24, 24}, {32, 32}};
    for (const auto& [reported, expected] : depths) {
        display.Running.bitsPerPixel = reported;
        EXPECT_EQ(expected, Read("").BitsPerPel) << reported;
    }
}

TEST_F(ReadCurrentModeTest, TheDeviceKeyIsFoundAgainWhateverTheCaseOfItsPrefix) {
    PutDeviceMap(registry, "\\Registry\\Machine\\System\\Video\\0000");
    PutStartupMode(registry, "System\\Video\\0000", {8, 640, 480, 60});
    EXPECT_EQ((DisplayMode{8, 640, 480, 60}), Read(""));
}

TEST_F(ReadCurrentModeTest, WithoutADeviceMapTheRunningDisplayIsShown) {
    MemoryRegistry empty;
    EXPECT_EQ((DisplayMode{15, 1280, 1024, 75}), ReadCurrentMode(empty, display, "", [this] { ++marks; }));
    EXPECT_EQ(1, marks);
}

TEST(PerMakerKey, StoresBothTextsWithTheirNul) {
    MemoryRegistry registry;
    EXPECT_EQ(kOk, WritePerMakerKey(registry, PerMakerKey, {"VEXELHAWK", ""}));
    EXPECT_EQ(Text("VEXELHAWK\0"sv), registry.Find(Hive::LocalMachine, PerMakerKey, names::InstalledCard));
    EXPECT_EQ(Text("\0"sv), registry.Find(Hive::LocalMachine, PerMakerKey, names::RegistryPath));
}

TEST(PerMakerKey, ReportsTheStatusOfAFailedWrite) {
    MemoryRegistry registry;
    registry.DenyWrites(Hive::LocalMachine, "SOFTWARE\\Vexelworks");
    EXPECT_EQ(kAccessDenied, WritePerMakerKey(registry, PerMakerKey, {"VEXELKITE", DeviceKey}));
    registry.DenyWrites(Hive::LocalMachine, PerMakerKey);
    EXPECT_EQ(kAccessDenied, WritePerMakerKey(registry, PerMakerKey, {"VEXELKITE", DeviceKey}));
    EXPECT_EQ(0u, registry.ValueCount(Hive::LocalMachine, PerMakerKey));
}

TEST(PerMakerKey, ReadReplacesOnlyWhatIsStored) {
    MemoryRegistry registry;
    PerMakerValues values{"KEPT", "KEPT"};
    ReadPerMakerKey(registry, PerMakerKey, values);
    EXPECT_EQ("KEPT", values.CardName);
    EXPECT_EQ("KEPT", values.RegistryPath);

    registry.Put(Hive::LocalMachine, PerMakerKey, names::RegistryPath, Text("System\\X"));
    ReadPerMakerKey(registry, PerMakerKey, values);
    EXPECT_EQ("KEPT", values.CardName);
    EXPECT_EQ("System\\X", values.RegistryPath);
}

TEST(PerMakerKey, WhatIsWrittenReadsBack) {
    MemoryRegistry registry;
    ASSERT_EQ(kOk, WritePerMakerKey(registry, PerMakerKey, {"VEXELKITE", DeviceKey}));
    PerMakerValues values;
    ReadPerMakerKey(registry, PerMakerKey, values);
    EXPECT_EQ("VEXELKITE", values.CardName);
    EXPECT_EQ(DeviceKey, values.RegistryPath);
}

}  // namespace
}  // namespace vexel
