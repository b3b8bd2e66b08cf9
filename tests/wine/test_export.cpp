// Whole runs of vexelpanel.exe that export the board information: a quiet
// run with -f on the simulated board and on registry states built here, the
// file compared byte for byte; the file's name, replacing, and the failures;
// -f without -q; and one run on Wine's own display driver.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32_registry.h"
#include "store/key_paths.h"
#include "store/value_names.h"
#include "support/message_boxes.h"
#include "support/program.h"
#include "support/registry_root.h"
#include "support/scratch_folder.h"
#include "win/system_text.h"

namespace vexel::test {
namespace {

using namespace std::chrono_literals;

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kNotAvailable[] = "Not Available";

// The simulated VexelHawk with 8 MB as its miniport boots it.
constexpr char kHawkExport[] =
    "Set VexelPanel_Mode=1024x768x15at60Hz\n"
    "Set VexelPanel_Miniport=1.1\n"
    "Set VexelPanel_Display=2.3\n"
    "Set VexelPanel_OpenGL=Not Retrieved: -nogl specified\n"
    "Set VexelPanel_Adapter=VexelHawk\n"
    "Set VexelPanel_Chip=GLINT 300SX + GLINT Delta\n"
    "Set VexelPanel_DAC=TI TVP3026\n"
    "Set VexelPanel_FBMem=0x800000\n"
    "Set VexelPanel_LBMem=0x800000\n";

std::vector<std::uint8_t> Utf16(std::wstring_view text) {
  std::vector<std::uint8_t> bytes;
  for (const wchar_t unit : text) {
    bytes.insert(bytes.end(), {static_cast<std::uint8_t>(unit), static_cast<std::uint8_t>(unit >> 8)});
  }
  return bytes;
}

std::vector<std::uint8_t> TextWithNul(const std::string& text) {
  return {text.c_str(), text.c_str() + text.size() + 1};
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

class ExportRun : public ::testing::Test {
 protected:
  // The simulated board's variable: its words and this test's registry root.
  std::string Board(std::string_view words) const {
    return "VEXELPANEL_SIMULATE=" + std::string(words) + ",root=" + root.Path();
  }
  std::optional<DWORD> Run(const std::string& arguments, std::string_view words) const {
    // The ANSI code page of an English system, whatever the machine's locale.
    RunningProgram panel(arguments, {Board(words), "LANG=en_US.UTF-8"});
    return panel.WaitForExit();
  }

  // HKEY_LOCAL_MACHINE as the simulated board and the panel see it.
  void Put(std::string_view key, std::string_view name, std::uint32_t type, const std::vector<std::uint8_t>& data) {
    RegKey opened;
    ASSERT_EQ(machine.CreateKey(Hive::LocalMachine, key, opened), kOk);
    ASSERT_EQ(WriteBytes(opened, name, type, data), kOk);
  }
  void PutDword(std::string_view key, std::string_view name, std::uint32_t value) {
    RegKey opened;
    ASSERT_EQ(machine.CreateKey(Hive::LocalMachine, key, opened), kOk);
    ASSERT_EQ(WriteDword(opened, name, value), kOk);
  }
  // A miniport of the test's own making, for a board that publishes nothing.
  void PutDeviceMap() {
    const std::string deviceMapValue = std::string("\\REGISTRY\\Machine\\") + kDeviceKey;
    Put(names::kDeviceMapKey, names::kDeviceVideo0, kRegSz, TextWithNul(deviceMapValue));
  }

  TestRegistryRoot root;
  Win32Registry machine{root.Path() + "\\Machine", root.Path() + "\\User"};
  ScratchFolder folder;
};

TEST_F(ExportRun, AQuietRunWritesTheScriptByteForByteUnderTheUpperCasedName) {
  EXPECT_EQ(Run("-q -n -f info.bat", "hawk"), std::optional<DWORD>(0));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"INFO.BAT"});
  EXPECT_EQ(folder.Read("INFO.BAT"), kHawkExport);
}

TEST_F(ExportRun, EachBoardVariantAndADriverWithoutTheVersionEscape) {
  EXPECT_EQ(Run("-q -n -f kite.bat", "kite,4mb,no2050"), std::optional<DWORD>(0));
  EXPECT_EQ(folder.Read("KITE.BAT"),
            "Set VexelPanel_Mode=1024x768x15at60Hz\n"
            "Set VexelPanel_Miniport=1.1\n"
            "Set VexelPanel_Display=\n"
            "Set VexelPanel_OpenGL=Not Retrieved: -nogl specified\n"
            "Set VexelPanel_Adapter=VexelKite\n"
            "Set VexelPanel_Chip=GLINT 300SX\n"
            "Set VexelPanel_DAC=TI TVP3026\n"
            "Set VexelPanel_FBMem=0x400000\n"
            "Set VexelPanel_LBMem=0x400000\n");
}

TEST_F(ExportRun, MissingValuesGiveTheirFallbacks) {
  PutDeviceMap();
  EXPECT_EQ(Run("-q -n -f none.bat", "hawk,nopublish"), std::optional<DWORD>(0));
  EXPECT_EQ(folder.Read("NONE.BAT"),
            "Set VexelPanel_Mode=0x0x0at0Hz\n"
            "Set VexelPanel_Miniport=\n"
            "Set VexelPanel_Display=2.3\n"
            "Set VexelPanel_OpenGL=Not Retrieved: -nogl specified\n"
            "Set VexelPanel_Adapter=Not Available\n"
            "Set VexelPanel_Chip=Not Available\n"
            "Set VexelPanel_DAC=Not Available\n"
            "Set VexelPanel_FBMem=0x0\n"
            "Set VexelPanel_LBMem=0x0\n");
}

TEST_F(ExportRun, RegistryStatesOfTheTestsOwnMiniport) {
  PutDeviceMap();
  std::vector<std::uint8_t> oddLength = Utf16(L"Odd Adapter");
  oddLength.push_back('Z');
  Put(kDeviceKey, names::kAdapterString, kRegBinary, oddLength);
  Put(kDeviceKey, names::kChipType, kRegBinary, Utf16(L"Unterminated Chip"));
  Put(kDeviceKey, names::kDacType, kRegBinary, Utf16(std::wstring_view(L"Caf\u00E9 \u4E2D\0rest", 11)));
  // Width and height under both keys, depth and refresh only under the profile key.
  const std::string profileKey = ProfileKeyPath(kDeviceKey);
  PutDword(kDeviceKey, names::kDefaultXResolution, 1152);
  PutDword(kDeviceKey, names::kDefaultYResolution, 864);
  PutDword(profileKey, names::kDefaultXResolution, 640);
  PutDword(profileKey, names::kDefaultYResolution, 480);
  PutDword(profileKey, names::kDefaultBitsPerPel, 32);
  PutDword(profileKey, names::kDefaultVRefresh, 72);
  PutDword(kDeviceKey, names::kMemorySize, 4u << 20);
  PutDword(kDeviceKey, names::kLocalbufferLengthBytes, (8u << 20) - 1);
  EXPECT_EQ(Run("-q -n -f own.bat", "hawk,nopublish,no2050"), std::optional<DWORD>(0));
  EXPECT_EQ(folder.Read("OWN.BAT"),
            "Set VexelPanel_Mode=1152x864x32at72Hz\n"
            "Set VexelPanel_Miniport=\n"
            "Set VexelPanel_Display=\n"
            "Set VexelPanel_OpenGL=Not Retrieved: -nogl specified\n"
            "Set VexelPanel_Adapter=Odd Adapter\n"
            "Set VexelPanel_Chip=Unterminated Chip\n"
            "Set VexelPanel_DAC=Caf\xE9 ?\n"
            "Set VexelPanel_FBMem=0x400000\n"
            "Set VexelPanel_LBMem=0x7FFFFF\n");
}

TEST_F(ExportRun, AnExistingFileIsReplacedNotAppendedTo) {
  ASSERT_TRUE(folder.Write("INFO.BAT", std::string(2000, 'x')));
  EXPECT_EQ(Run("-q -n -f INFO.BAT", "hawk"), std::optional<DWORD>(0));
  EXPECT_EQ(folder.Read("INFO.BAT"), kHawkExport);
}

TEST_F(ExportRun, AQuietRunThatCannotCreateItsFileEndsWithStatusOneAndLeavesNoFile) {
  ASSERT_TRUE(folder.MakeFolder("OUT"));
  EXPECT_EQ(Run("-q -n -f nofolder\\info.bat", "hawk"), std::optional<DWORD>(1));
  EXPECT_EQ(Run("-q -n -f out", "hawk"), std::optional<DWORD>(1));
  EXPECT_EQ(folder.Names(), std::vector<std::string>{"OUT"});
  EXPECT_TRUE(folder.IsFolder("OUT"));
}

TEST_F(ExportRun, AFileAnotherProgramHoldsOpenStaysAsItWas) {
  ASSERT_TRUE(folder.Write("INFO.BAT", "old"));
  {
    const HANDLE held = ::CreateFileA((folder.Path() + "\\INFO.BAT").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(Run("-q -n -f info.bat", "hawk"), std::optional<DWORD>(1));
    ::CloseHandle(held);
  }
  EXPECT_EQ(folder.Read("INFO.BAT"), "old");
}

TEST_F(ExportRun, WithoutQuietTheFileIsWrittenWhenAboutIsFirstShown) {
  RunningProgram panel("-n -f info.bat", {Board("hawk")});
  HWND sheet = panel.WaitForWindow("VexelPanel");
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(PropSheet_IndexToHwnd(sheet, 0), nullptr) << "the About page was created before it was shown";
  EXPECT_TRUE(folder.Names().empty());
  PropSheet_SetCurSel(sheet, nullptr, 0);
  EXPECT_TRUE(PollUntil(20s, [&] { return folder.Read("INFO.BAT") == kHawkExport; }));
  ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  EXPECT_EQ(panel.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(ExportRun, WithoutQuietAFailedExportIsToldNamingTheFileAndTheReason) {
  RunningProgram panel("-n -f nofolder\\info.bat", {Board("hawk,noanswer")});
  HWND box = panel.WaitForWindow("VexelPanel");
  ASSERT_TRUE(IsMessageBox(box));
  const std::string told = CloseMessageBox(box, IDOK, 5s);
  EXPECT_NE(told.find("NOFOLDER\\INFO.BAT"), std::string::npos) << told;
  EXPECT_NE(told.find(win::SystemErrorText(ERROR_PATH_NOT_FOUND)), std::string::npos) << told;
  HWND sheet = panel.WaitForWindow("VexelPanel");
  ASSERT_NE(sheet, nullptr);
  ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  EXPECT_EQ(panel.WaitForExit(), std::optional<DWORD>(1));
  EXPECT_TRUE(folder.Names().empty());
}

// What Wine's display driver publishes for its adapter: REG_BINARY UTF-16LE
// texts below the key its device map names.
std::string WineDriverText(const char* name) {
  Win32Registry registry;
  RegKey deviceMap;
  std::string deviceMapValue;
  registry.OpenKey(Hive::LocalMachine, names::kDeviceMapKey, deviceMap);
  if (!ReadText(deviceMap, names::kDeviceVideo0, deviceMapValue)) return "<no device map>";
  RegKey device;
  std::vector<std::uint8_t> bytes;
  registry.OpenKey(Hive::LocalMachine, DeviceKeyFromDeviceMap(deviceMapValue), device);
  if (!ReadBytes(device, name, bytes)) return kNotAvailable;
  std::string text;
  for (std::size_t i = 0; i + 1 < bytes.size() && (bytes[i] || bytes[i + 1]); i += 2) {
    text.push_back(bytes[i + 1] ? '?' : static_cast<char>(bytes[i]));
  }
  return text;
}

TEST_F(ExportRun, WithoutTheSimulationWinesOwnDisplayDriverIsReported) {
  RunningProgram panel("-q -n -f wine.bat", {"VEXELPANEL_SIMULATE="});
  EXPECT_EQ(panel.WaitForExit(), std::optional<DWORD>(0));
  const std::vector<std::string> lines = Lines(folder.Read("WINE.BAT").value_or(""));
  ASSERT_EQ(lines.size(), 9u);
  const std::string adapter = WineDriverText(names::kAdapterString);
  EXPECT_NE(adapter, kNotAvailable) << "Wine publishes its adapter's name";
  EXPECT_EQ(lines[4], "Set VexelPanel_Adapter=" + adapter);
  EXPECT_EQ(lines[5], "Set VexelPanel_Chip=" + WineDriverText(names::kChipType));
  EXPECT_EQ(lines[6], "Set VexelPanel_DAC=" + WineDriverText(names::kDacType));
  // Wine's driver answers neither of the board's escapes and publishes no version.
  EXPECT_EQ(lines[2], "Set VexelPanel_Display=");
  std::printf("Wine publishes: %s | %s | %s\n", lines[4].c_str(), lines[5].c_str(), lines[6].c_str());
}

}  // namespace
}  // namespace vexel::test
