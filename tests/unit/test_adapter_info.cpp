#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "info/adapter_info.h"
#include "info/driver_text.h"
#include "info/gather_adapter_info.h"
#include "shared/memory_registry.h"
#include "store/driver_info.h"
#include "store/key_paths.h"
#include "store/value_names.h"

namespace vexel {
namespace {

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
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
  return {kRegDword,
          {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
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
    if (code == kQueryEscSupportEscape) {
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

bool HasLine(const std::string& text, const std::string& line) {
  return ("\n" + text + "\n").find("\n" + line + "\n") != std::string::npos;
}

// The texts' layout and fallbacks are checked on whole records below and, as
// the program shows and writes them, in tests/wine (test_about_page.cpp, test_export.cpp).
TEST(AdapterTexts, NumbersKeepTheirSignAndMemoryIsWholeMebibytesOrUnsigned32BitHexadecimal) {
  AdapterInfo info;
  info.defaultMode.PelsWidth = -1;
  info.defaultMode.PelsHeight = 2147483647;
  info.memorySize = 0xFFFFFFFFu;
  info.localBufferSize = (8u << 20) - 1;
  EXPECT_PRED2(HasLine, InformationText(info), "-1x2147483647");
  EXPECT_PRED2(HasLine, InformationText(info), "4095MB");
  EXPECT_PRED2(HasLine, ExportText(info), "Set VexelPanel_Mode=-1x2147483647x0at0Hz");
  EXPECT_PRED2(HasLine, ExportText(info), "Set VexelPanel_FBMem=0xFFFFFFFF");
  EXPECT_PRED2(HasLine, ExportText(info), "Set VexelPanel_LBMem=0x7FFFFF");
  info.memorySize = (8u << 20) - 1;
  EXPECT_PRED2(HasLine, InformationText(info), "7MB");
  info.memorySize = (1u << 20) - 1;
  EXPECT_PRED2(HasLine, InformationText(info), "0MB");
}

// A driver's text must not add a statement to the script nor shift the About
// page's lines against their labels.
TEST(AdapterTexts, ALineBreakInsideADriverTextStaysOnItsLine) {
  AdapterInfo info;
  info.adapter = "Vexel\r\ndel /q *";
  info.displayDriverVersion = "2.3\n";
  EXPECT_PRED2(HasLine, ExportText(info), "Set VexelPanel_Adapter=Vexel  del /q *");
  EXPECT_PRED2(HasLine, ExportText(info), "Set VexelPanel_Display=2.3 ");
  EXPECT_PRED2(HasLine, InformationText(info), "Vexel  del /q *");
  EXPECT_EQ(9, std::ranges::count(InformationText(info), '\n'));
}

TEST(DriverText, MiniportFileAfterTheLastBackslash) {
  EXPECT_EQ("vexel3d.sys", MiniportFileOf("vexel3d.sys"));
  EXPECT_EQ("", MiniportFileOf("C:\\drivers\\"));
}

TEST(DriverText, Utf16UnitsAreWholeUpToTheFirstNulAndTheBoundAndNarrowTextKeepsOnlyAscii) {
  const std::vector<std::uint8_t> oddLength = {'A', 0, 'b', 0, 'C'};
  EXPECT_EQ(u"Ab", Utf16Units(oddLength));
  EXPECT_EQ(u"Ab", Utf16Units(Utf16Bytes(std::u16string_view(u"Ab\0Cd", 5))));
  EXPECT_EQ(u"\u00E9\u20AC", Utf16Units(Utf16Bytes(u"\u00E9\u20AC")));
  EXPECT_EQ(u"abc", Utf16Units(Utf16Bytes(u"abcdef"), 3));
  EXPECT_EQ(u"", Utf16Units({}));
  const std::vector<std::uint8_t> single = {'A'};
  EXPECT_EQ(u"", Utf16Units(single));
  EXPECT_EQ("Caf? ?", AsciiNarrowText(u"Caf\u00E9 \u20AC"));
  EXPECT_EQ("??", AsciiNarrowText(u"\U0001F600")) << "each unit of a surrogate pair";
}

// A registry and driver as the board's miniport and display driver leave them.
class GatherAdapterInfoTest : public ::testing::Test {
 protected:
  GatherAdapterInfoTest() {
    const std::string_view imagePath("\\SystemRoot\\System32\\drivers\\vexel3d.sys\0", 42);
    registry_.Put(Hive::LocalMachine, ServiceKeyPath(kDeviceKey), names::kImagePath, Narrow(kRegExpandSz, imagePath));
    PutDevice(names::kInstalledDisplayDrivers, Narrow(kRegMultiSz, std::string_view("vexel3d\0\0", 9)));
    PutDevice(names::kAdapterString, BinaryWithNul(u"VexelHawk"));
    PutDevice(names::kChipType, BinaryWithNul(u"GLINT 300SX + GLINT Delta"));
    PutDevice(names::kDacType, BinaryWithNul(u"TI TVP3026"));
    PutDevice(names::kDriverVersion, BinaryWithNul(u"1.1"));
    PutMode(kDeviceKey, {1280, 1024, 15, 75});
    PutDevice(names::kMemorySize, Dword(8u << 20));
    PutDevice(names::kLocalbufferLengthBytes, Dword(4u << 20));
  }

  void PutDevice(std::string_view name, StoredValue value) {
    registry_.Put(Hive::LocalMachine, kDeviceKey, name, std::move(value));
  }
  void PutMode(std::string_view key, const std::array<std::uint32_t, 4>& mode) {
    const char* const values[] = {names::kDefaultXResolution, names::kDefaultYResolution, names::kDefaultBitsPerPel,
                                  names::kDefaultVRefresh};
    for (std::size_t i = 0; i < mode.size(); ++i) registry_.Put(Hive::LocalMachine, key, values[i], Dword(mode[i]));
  }
  AdapterInfo Gather(std::string_view deviceKey = kDeviceKey, NarrowConverter toNarrow = &AsciiNarrowText) {
    return GatherAdapterInfo(registry_, display_, deviceKey, kOpenGL, toNarrow);
  }

  MemoryRegistry registry_;
  VersionDisplay display_;
};

TEST_F(GatherAdapterInfoTest, ReadsEveryValueTheBoardPublishesAsksTheVersionOnceAndConvertsTheTexts) {
  const AdapterInfo info = Gather();
  EXPECT_EQ("vexel3d.sys - 1.1\nvexel3d.dll - 2.3\n1280x1024\n15\n75\nVexelHawk\n8MB\n" + std::string(kOpenGL) +
                "\nGLINT 300SX + GLINT Delta\nTI TVP3026",
            InformationText(info));
  EXPECT_EQ(
      "Set VexelPanel_Mode=1280x1024x15at75Hz\nSet VexelPanel_Miniport=1.1\nSet VexelPanel_Display=2.3\n"
      "Set VexelPanel_OpenGL=Not Retrieved: -nogl specified\nSet VexelPanel_Adapter=VexelHawk\n"
      "Set VexelPanel_Chip=GLINT 300SX + GLINT Delta\nSet VexelPanel_DAC=TI TVP3026\n"
      "Set VexelPanel_FBMem=0x800000\nSet VexelPanel_LBMem=0x400000\n",
      ExportText(info));
  EXPECT_EQ(1, display_.VersionCalls);
  EXPECT_EQ((std::vector<std::uint8_t>{0x02, 0x08, 0, 0}), display_.Input);
  EXPECT_EQ(100u, display_.OutputSize);
  EXPECT_TRUE(display_.OutputZeroFilled);
  const AdapterInfo bracketed =
      Gather(kDeviceKey, [](std::u16string_view text) { return "[" + AsciiNarrowText(text) + "]"; });
  EXPECT_EQ("[VexelHawk]", bracketed.adapter) << "every UTF-16 text goes through the converter";
  EXPECT_EQ("[GLINT 300SX + GLINT Delta]", bracketed.chip);
  EXPECT_EQ("[TI TVP3026]", bracketed.dac);
  EXPECT_EQ("[1.1]", bracketed.miniportVersion);
  EXPECT_EQ("[2.3]", bracketed.displayDriverVersion);
  EXPECT_EQ("vexel3d.dll", bracketed.displayDriverFile);
}

TEST_F(GatherAdapterInfoTest, DriverVersionOnlyFromAnAnswerToTheEscapeAndAtMostFiftyUnits) {
  display_.Supported = false;
  EXPECT_EQ("", Gather().displayDriverVersion);
  EXPECT_EQ(0, display_.VersionCalls);
  display_.Supported = true;
  display_.Result = 0;
  EXPECT_EQ("", Gather().displayDriverVersion);
  display_.Result = -1;  // anything but zero counts as an answer
  EXPECT_EQ("2.3", Gather().displayDriverVersion);
  display_.Reply = Utf16Bytes(std::u16string(60, u'7'));
  EXPECT_EQ(std::string(50, '7'), Gather().displayDriverVersion);
}

TEST_F(GatherAdapterInfoTest, NothingReadableOrAnUnknownDeviceKeyLeavesEveryInitialValue) {
  AdapterInfo expected;
  expected.openGL = kOpenGL;
  display_.Supported = false;
  MemoryRegistry empty;
  const AdapterInfo info = GatherAdapterInfo(empty, display_, kDeviceKey, kOpenGL, &AsciiNarrowText);
  EXPECT_EQ(" - \n - \n0x0\n0\n0\nNot Available\n0MB\n" + std::string(kOpenGL) + "\nNot Available\nNot Available",
            InformationText(info));
  EXPECT_EQ(ExportText(expected), ExportText(info));
  // An empty path would open the machine root itself.
  registry_.Put(Hive::LocalMachine, "", names::kAdapterString, BinaryWithNul(u"Root"));
  registry_.Put(Hive::LocalMachine, "", names::kMemorySize, Dword(1u << 20));
  EXPECT_EQ(ExportText(expected), ExportText(Gather("")));
}

TEST_F(GatherAdapterInfoTest, DefaultSettingsFromTheDeviceKeyElseTheProfileKey) {
  PutMode(ProfileKeyPath(kDeviceKey), {800, 600, 8, 60});
  RegKey device;
  registry_.OpenKey(Hive::LocalMachine, kDeviceKey, device);
  device.DeleteValue(names::kDefaultXResolution);
  device.DeleteValue(names::kDefaultVRefresh);
  EXPECT_PRED2(HasLine, ExportText(Gather()), "Set VexelPanel_Mode=800x1024x15at60Hz");
  // A value too long for a double word cannot be read from the device key.
  PutDevice(names::kDefaultBitsPerPel, {kRegBinary, std::vector<std::uint8_t>(8, 1)});
  EXPECT_EQ(8, Gather().defaultMode.BitsPerPel);
}

// Several display drivers: the About page test in tests/wine takes the first.
TEST_F(GatherAdapterInfoTest, ADisplayDriverListWithoutAnyTerminatorStillNamesTheDriver) {
  PutDevice(names::kInstalledDisplayDrivers, Narrow(kRegMultiSz, "vexelgl"));
  EXPECT_EQ("vexelgl.dll", Gather().displayDriverFile);
}

TEST_F(GatherAdapterInfoTest, Utf16ValuesOfOddLengthOrWithoutTerminatorOrWithALateNulOrHuge) {
  StoredValue odd = Binary(u"VexelHawk");
  odd.data.push_back('X');
  PutDevice(names::kAdapterString, odd);
  PutDevice(names::kChipType, Binary(u"GLINT"));
  PutDevice(names::kDacType, Binary(std::u16string_view(u"TI\0garbage", 10)));
  PutDevice(names::kDriverVersion, Binary(u""));
  const AdapterInfo info = Gather();
  EXPECT_EQ("VexelHawk", info.adapter);
  EXPECT_EQ("GLINT", info.chip);
  EXPECT_EQ("TI", info.dac);
  EXPECT_EQ("", info.miniportVersion);
  PutDevice(names::kAdapterString, Binary(std::u16string(1u << 20, u'A')));
  EXPECT_EQ(std::string(1u << 20, 'A'), Gather().adapter);
}

}  // namespace
}  // namespace vexel
