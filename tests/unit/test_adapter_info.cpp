#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "info/adapter_info.h"
#include "info/driver_text.h"
#include "info/gather_adapter_info.h"
#include "platform/memory_registry.h"
#include "store/driver_info.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kServiceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D";
constexpr char kOpenGL[] = "Not Retrieved: -nogl specified";

std::vector<std::uint8_t> Utf16Bytes(std::u16string_view text) {
  std::vector<std::uint8_t> bytes;
  for (const char16_t unit : text) {
    bytes.push_back(static_cast<std::uint8_t>(unit));
    bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
  }
  return bytes;
}

StoredValue Binary(std::u16string_view text) { return {kRegBinary, Utf16Bytes(text)}; }
StoredValue BinaryWithNul(std::u16string_view text) { return Binary(std::u16string(text) + u'\0'); }

StoredValue Dword(std::uint32_t value) {
  return {kRegDword, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                      static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)}};
}

// Narrow text as the registry stores it; `text` brings its own NULs.
StoredValue Narrow(std::uint32_t type, std::string_view text) { return {type, {text.begin(), text.end()}}; }

// A display driver whose version escape is supported or not, returns a
// given result and writes a given reply; it records what the panel sent.
class VersionDisplay : public Display {
 public:
  bool Supported = true;
  int Result = 1;
  std::vector<std::uint8_t> Reply = Utf16Bytes(u"2.3\0");

  int VersionCalls = 0;
  std::vector<std::uint8_t> Input;
  std::size_t OutputSize = 0;
  bool OutputZeroFilled = false;

  int Escape(std::int32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output) override {
    if (code == QueryEscSupportEscape) {
      return Supported && input.size() == 4 && input[0] == 0x02 && input[1] == 0x08 ? 1 : 0;
    }
    ++VersionCalls;
    Input.assign(input.begin(), input.end());
    OutputSize = output.size();
    OutputZeroFilled = std::ranges::all_of(output, [](std::uint8_t byte) { return byte == 0; });
    std::copy_n(Reply.begin(), std::min(Reply.size(), output.size()), output.begin());
    return Result;
  }
  DeviceCaps Caps() override { return {}; }
  bool EnumMode(std::uint32_t, DisplayMode&) override { return false; }
  long ChangeMode(const DisplayMode&, bool) override { return kDispChangeFailed; }
  void BroadcastDisplayChange(std::uint32_t, std::int32_t, std::int32_t) override {}
  VersionInfo Version() override { return {}; }
};

// The text's lines; a final line end gives no empty line after it.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

AdapterInfo BoardInfo() {
  AdapterInfo info;
  info.MiniportFile = "vexel3d.sys";
  info.MiniportVersion = "1.1";
  info.DisplayDriverFile = "vexel3d.dll";
  info.DisplayDriverVersion = "2.3";
  info.Width = 1280;
  info.Height = 1024;
  info.BitsPerPel = 15;
  info.Refresh = 75;
  info.Adapter = "Vexelworks 1-2.3";
  info.MemorySize = 8u << 20;
  info.LocalBufferSize = 8u << 20;
  info.OpenGL = "1.1";
  info.Chip = "3Dlabs GLINT 300SX-R02";
  info.Dac = "TI TVP3026";
  return info;
}

TEST(InformationText, TenLinesInTheOrderOfTheLabelsTheLastWithoutLineEnd) {
  EXPECT_EQ(
      "vexel3d.sys - 1.1\nvexel3d.dll - 2.3\n1280x1024\n15\n75\nVexelworks 1-2.3\n8MB\n1.1\n"
      "3Dlabs GLINT 300SX-R02\nTI TVP3026",
      InformationText(BoardInfo()));
  EXPECT_EQ(" - \n - \n0x0\n0\n0\nNot Available\n0MB\n\nNot Available\nNot Available",
            InformationText(AdapterInfo{}));
}

TEST(InformationText, MemoryInWholeMebibytesTruncated) {
  AdapterInfo info;
  const std::pair<std::uint32_t, const char*> sizes[] = {
      {4u << 20, "4MB"}, {(8u << 20) - 1, "7MB"}, {(1u << 20) - 1, "0MB"}, {0xFFFFFFFFu, "4095MB"}};
  for (const auto& [bytes, line] : sizes) {
    info.MemorySize = bytes;
    EXPECT_EQ(line, Lines(InformationText(info))[6]) << bytes;
  }
}

TEST(ExportText, NineSetLinesEachEndedByALineFeedAlone) {
  EXPECT_EQ(
      "Set VexelPanel_Mode=1280x1024x15at75Hz\n"
      "Set VexelPanel_Miniport=1.1\n"
      "Set VexelPanel_Display=2.3\n"
      "Set VexelPanel_OpenGL=1.1\n"
      "Set VexelPanel_Adapter=Vexelworks 1-2.3\n"
      "Set VexelPanel_Chip=3Dlabs GLINT 300SX-R02\n"
      "Set VexelPanel_DAC=TI TVP3026\n"
      "Set VexelPanel_FBMem=0x800000\n"
      "Set VexelPanel_LBMem=0x800000\n",
      ExportText(BoardInfo()));
}

TEST(ExportText, MissingValuesLeaveTheirFallbacksOrNothingAfterTheEqualsSign) {
  AdapterInfo info;
  info.OpenGL = kOpenGL;
  EXPECT_EQ(
      "Set VexelPanel_Mode=0x0x0at0Hz\n"
      "Set VexelPanel_Miniport=\n"
      "Set VexelPanel_Display=\n"
      "Set VexelPanel_OpenGL=Not Retrieved: -nogl specified\n"
      "Set VexelPanel_Adapter=Not Available\n"
      "Set VexelPanel_Chip=Not Available\n"
      "Set VexelPanel_DAC=Not Available\n"
      "Set VexelPanel_FBMem=0x0\n"
      "Set VexelPanel_LBMem=0x0\n",
      ExportText(info));
}

TEST(ExportText, NumbersAreSignedDecimalAndUnsigned32BitHexadecimal) {
  AdapterInfo info;
  info.Width = -1;
  info.Height = 2147483647;
  info.MemorySize = 0xFFFFFFFFu;
  info.LocalBufferSize = (8u << 20) - 1;
  const std::vector<std::string> lines = Lines(ExportText(info));
  EXPECT_EQ("Set VexelPanel_Mode=-1x2147483647x0at0Hz", lines[0]);
  EXPECT_EQ("Set VexelPanel_FBMem=0xFFFFFFFF", lines[7]);
  EXPECT_EQ("Set VexelPanel_LBMem=0x7FFFFF", lines[8]);
}

TEST(DriverFileNames, MiniportAfterTheLastBackslashDisplayDriverWithDll) {
  EXPECT_EQ("vexel3d.sys", MiniportFileOf("\\SystemRoot\\System32\\drivers\\vexel3d.sys"));
  EXPECT_EQ("vexel3d.sys", MiniportFileOf("vexel3d.sys"));
  EXPECT_EQ("", MiniportFileOf("C:\\drivers\\"));
  EXPECT_EQ("vexel3d.dll", DisplayDriverFileOf("vexel3d"));
  EXPECT_EQ(".dll", DisplayDriverFileOf(""));
}

TEST(Utf16Units, WholeUnitsUpToTheFirstNulAndTheBound) {
  const std::vector<std::uint8_t> oddLength = {'A', 0, 'b', 0, 'C'};
  EXPECT_EQ(u"Ab", Utf16Units(oddLength));
  EXPECT_EQ(u"Ab", Utf16Units(Utf16Bytes(std::u16string_view(u"Ab\0Cd", 5))));
  EXPECT_EQ(u"\u00E9\u20AC", Utf16Units(Utf16Bytes(u"\u00E9\u20AC")));
  EXPECT_EQ(u"abc", Utf16Units(Utf16Bytes(u"abcdef"), 3));
  EXPECT_EQ(u"", Utf16Units({}));
  const std::vector<std::uint8_t> single = {'A'};
  EXPECT_EQ(u"", Utf16Units(single));
}

TEST(AsciiNarrowText, KeepsAsciiAndReplacesEveryOtherUnit) {
  EXPECT_EQ("GLINT 300SX", AsciiNarrowText(u"GLINT 300SX"));
  EXPECT_EQ("Caf? ?", AsciiNarrowText(u"Caf\u00E9 \u20AC"));
  EXPECT_EQ("??", AsciiNarrowText(u"\U0001F600"));
}

// A registry and driver as the board's miniport and display driver leave them.
class GatherAdapterInfoTest : public ::testing::Test {
 protected:
  GatherAdapterInfoTest() {
    const std::string_view imagePath("\\SystemRoot\\System32\\drivers\\vexel3d.sys\0", 42);
    PutService(names::ImagePath, Narrow(kRegExpandSz, imagePath));
    PutDevice(names::InstalledDisplayDrivers, Narrow(kRegMultiSz, std::string_view("vexel3d\0\0", 9)));
    PutDevice(names::AdapterString, BinaryWithNul(u"VexelHawk"));
    PutDevice(names::ChipType, BinaryWithNul(u"GLINT 300SX + GLINT Delta"));
    PutDevice(names::DacType, BinaryWithNul(u"TI TVP3026"));
    PutDevice(names::DriverVersion, BinaryWithNul(u"1.1"));
    PutMode(kDeviceKey, {1280, 1024, 15, 75});
    PutDevice(names::MemorySize, Dword(8u << 20));
    PutDevice(names::LocalbufferLengthBytes, Dword(4u << 20));
  }

  struct Mode {
    std::uint32_t width, height, bits, refresh;
  };

  void PutService(std::string_view name, StoredValue value) {
    registry_.Put(Hive::LocalMachine, kServiceKey, name, std::move(value));
  }
  void PutDevice(std::string_view name, StoredValue value) {
    registry_.Put(Hive::LocalMachine, kDeviceKey, name, std::move(value));
  }
  void PutMode(std::string_view key, const Mode& mode) {
    registry_.Put(Hive::LocalMachine, key, names::DefaultXResolution, Dword(mode.width));
    registry_.Put(Hive::LocalMachine, key, names::DefaultYResolution, Dword(mode.height));
    registry_.Put(Hive::LocalMachine, key, names::DefaultBitsPerPel, Dword(mode.bits));
    registry_.Put(Hive::LocalMachine, key, names::DefaultVRefresh, Dword(mode.refresh));
  }
  void RemoveDevice(std::string_view name) {
    RegKey key;
    registry_.OpenKey(Hive::LocalMachine, kDeviceKey, key);
    key.DeleteValue(name);
  }

  AdapterInfo Gather(std::string_view deviceKey = kDeviceKey, NarrowConverter toNarrow = &AsciiNarrowText) {
    return GatherAdapterInfo(registry_, display_, deviceKey, kOpenGL, toNarrow);
  }

  MemoryRegistry registry_;
  VersionDisplay display_;
};

TEST_F(GatherAdapterInfoTest, ReadsEveryValueTheBoardPublishes) {
  const AdapterInfo info = Gather();
  EXPECT_EQ("vexel3d.sys - 1.1\nvexel3d.dll - 2.3\n1280x1024\n15\n75\nVexelHawk\n8MB\n" + std::string(kOpenGL) +
                "\nGLINT 300SX + GLINT Delta\nTI TVP3026",
            InformationText(info));
  EXPECT_EQ(4u << 20, info.LocalBufferSize);
}

TEST_F(GatherAdapterInfoTest, AsksForTheVersionWithItsCodeAndAZeroFilledHundredByteBuffer) {
  Gather();
  EXPECT_EQ(1, display_.VersionCalls);
  EXPECT_EQ((std::vector<std::uint8_t>{0x02, 0x08, 0, 0}), display_.Input);
  EXPECT_EQ(100u, display_.OutputSize);
  EXPECT_TRUE(display_.OutputZeroFilled);
}

TEST_F(GatherAdapterInfoTest, DriverVersionOnlyFromADriverThatSupportsAndAnswersTheEscape) {
  display_.Supported = false;
  EXPECT_EQ("", Gather().DisplayDriverVersion);
  EXPECT_EQ(0, display_.VersionCalls);
  EXPECT_EQ("vexel3d.dll - ", Lines(InformationText(Gather()))[1]);
  display_.Supported = true;
  display_.Result = 0;
  EXPECT_EQ("", Gather().DisplayDriverVersion);
  display_.Result = -1;  // anything but zero counts as an answer
  EXPECT_EQ("2.3", Gather().DisplayDriverVersion);
}

TEST_F(GatherAdapterInfoTest, DriverVersionReplyIsReadToAtMostFiftyUnits) {
  display_.Reply = Utf16Bytes(std::u16string(60, u'7'));
  EXPECT_EQ(std::string(50, '7'), Gather().DisplayDriverVersion);
}

TEST_F(GatherAdapterInfoTest, NothingReadableLeavesEveryInitialValue) {
  MemoryRegistry empty;
  display_.Supported = false;
  AdapterInfo expected;
  expected.OpenGL = kOpenGL;
  const AdapterInfo info = GatherAdapterInfo(empty, display_, kDeviceKey, kOpenGL, &AsciiNarrowText);
  EXPECT_EQ(InformationText(expected), InformationText(info));
  EXPECT_EQ(ExportText(expected), ExportText(info));
}

TEST_F(GatherAdapterInfoTest, AnUnknownDeviceKeyReadsNothingFromTheMachineRoot) {
  registry_.Put(Hive::LocalMachine, "", names::AdapterString, BinaryWithNul(u"Root"));
  registry_.Put(Hive::LocalMachine, "", names::MemorySize, Dword(1u << 20));
  const AdapterInfo info = Gather("");
  EXPECT_EQ(kNotAvailable, info.Adapter);
  EXPECT_EQ(0u, info.MemorySize);
}

TEST_F(GatherAdapterInfoTest, DefaultSettingsFromTheDeviceKeyElseTheProfileKey) {
  const std::string profileKey = ProfileKeyPath(kDeviceKey);
  PutMode(profileKey, {800, 600, 8, 60});
  EXPECT_EQ("Set VexelPanel_Mode=1280x1024x15at75Hz", Lines(ExportText(Gather()))[0]);
  RemoveDevice(names::DefaultXResolution);
  RemoveDevice(names::DefaultVRefresh);
  EXPECT_EQ("Set VexelPanel_Mode=800x1024x15at60Hz", Lines(ExportText(Gather()))[0]);
  // A value too long for a double word cannot be read from the device key.
  PutDevice(names::DefaultBitsPerPel, {kRegBinary, std::vector<std::uint8_t>(8, 1)});
  EXPECT_EQ(8, Gather().BitsPerPel);
}

TEST_F(GatherAdapterInfoTest, OnlyTheFirstOfSeveralDisplayDriversCounts) {
  PutDevice(names::InstalledDisplayDrivers, Narrow(kRegMultiSz, std::string_view("vexelgl\0vga\0framebuf\0\0", 23)));
  EXPECT_EQ("vexelgl.dll", Gather().DisplayDriverFile);
  PutDevice(names::InstalledDisplayDrivers, Narrow(kRegMultiSz, "vexelgl"));  // no terminator at all
  EXPECT_EQ("vexelgl.dll", Gather().DisplayDriverFile);
}

TEST_F(GatherAdapterInfoTest, Utf16ValuesOfOddLengthOrWithoutTerminatorOrWithALateNul) {
  StoredValue odd = Binary(u"VexelHawk");
  odd.data.push_back('X');
  PutDevice(names::AdapterString, odd);
  PutDevice(names::ChipType, Binary(u"GLINT"));
  PutDevice(names::DacType, Binary(std::u16string_view(u"TI\0garbage", 10)));
  PutDevice(names::DriverVersion, Binary(u""));
  const AdapterInfo info = Gather();
  EXPECT_EQ("VexelHawk", info.Adapter);
  EXPECT_EQ("GLINT", info.Chip);
  EXPECT_EQ("TI", info.Dac);
  EXPECT_EQ("", info.MiniportVersion);
}

TEST_F(GatherAdapterInfoTest, HugeValuesAreReadWhole) {
  PutDevice(names::AdapterString, Binary(std::u16string(1u << 20, u'A')));
  EXPECT_EQ(std::string(1u << 20, 'A'), Gather().Adapter);
}

TEST_F(GatherAdapterInfoTest, EveryUtf16TextGoesThroughTheConverter) {
  const NarrowConverter bracketed = [](std::u16string_view text) { return "[" + AsciiNarrowText(text) + "]"; };
  PutDevice(names::AdapterString, BinaryWithNul(u"Vexel\u00E9"));
  const AdapterInfo info = Gather(kDeviceKey, bracketed);
  EXPECT_EQ("[Vexel?]", info.Adapter);
  EXPECT_EQ("[GLINT 300SX + GLINT Delta]", info.Chip);
  EXPECT_EQ("[TI TVP3026]", info.Dac);
  EXPECT_EQ("[1.1]", info.MiniportVersion);
  EXPECT_EQ("[2.3]", info.DisplayDriverVersion);
  EXPECT_EQ("vexel3d.dll", info.DisplayDriverFile);
}

}  // namespace
}  // namespace vexel
