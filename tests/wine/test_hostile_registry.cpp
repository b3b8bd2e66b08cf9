// Whole runs on a simulated board whose registry values were written by
// someone careless: every value the panel reads, in every bad shape, with
// every page opened and the sheet applied. Nothing may crash, hang or show
// bytes past the data, and what is written back follows the pages' rules.
#include <windows.h>
#include <aclapi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "app/property_sheet.h"
#include "info/probe/sys_colors.h"
#include "platform/win32_registry.h"
#include "resource.h"
#include "store/version_strings.h"
#include "support/program.h"
#include "support/scratch_folder.h"
#include "support/simulated_board_test.h"
#include "support/whole_run.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr char kDeviceMapKey[] = "HARDWARE\\DEVICEMAP\\VIDEO";
constexpr char kServiceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D";
constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kDeviceMapText[] = "\\REGISTRY\\Machine\\System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kNotAvailable[] = "Not Available";
constexpr std::size_t k64KiB = 64 * 1024;
// More than any message about a few registry names needs.
constexpr std::size_t kToldLimit = 4096;

// A bad shape of a value: gone, or these bytes with the value's own type
// unless another one is given.
struct Shape {
  const char* name;
  std::string bytes;
  bool missing = false;
  DWORD wrongType = REG_NONE;
};

// Rows print as their names, not as the bytes of their objects.
template <class Case>
requires requires(const Case& c) { c.shape.name; }
void PrintTo(const Case& c, std::ostream* os) { *os << c.shape.name; }

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

// The board as its miniport publishes it, written by the test itself so
// that each value can be replaced by a bad shape.
class HostileRun : public SimulatedBoardTest {
 protected:
  void SetUp() override {
    PutText(kDeviceMapKey, "\\Device\\Video0", REG_SZ, kDeviceMapText);
    PutText(kServiceKey, "ImagePath", REG_EXPAND_SZ, "\\SystemRoot\\System32\\drivers\\vexel3d.sys");
    Put(kDeviceKey, "InstalledDisplayDrivers", {REG_MULTI_SZ, Utf16Bytes(u"vexel3d") + std::string(2, '\0')});
    for (const auto& [name, text] : {std::pair{"AdapterString", u"VexelHawk"},
                                     {"ChipType", u"GLINT 300SX"},
                                     {"DacType", u"TI TVP3026"},
                                     {"DriverVersion", u"1.1"}}) {
      Put(kDeviceKey, std::string("HardwareInformation.") + name, {REG_BINARY, Utf16Bytes(text)});
    }
    for (const auto& [name, value] : {std::pair{"HardwareInformation.MemorySize", 8u << 20},
                                      {"HardwareInformation.LocalbufferLengthBytes", 8u << 20},
                                      {"HardwareInformation.LocalbufferBitsPerPel", 32u},
                                      {"DefaultSettings.XResolution", 1024u},
                                      {"DefaultSettings.YResolution", 768u},
                                      {"DefaultSettings.BitsPerPel", 15u},
                                      {"DefaultSettings.VRefresh", 60u}}) {
      Put(kDeviceKey, name, Dword(value));
    }
  }

  std::string Machine(std::string_view key) const { return root.Path() + "\\Machine\\" + std::string(key); }
  void Put(std::string_view key, std::string_view name, const RawValue& value) const {
    PutRawValue(HKEY_CURRENT_USER, Machine(key), name, value);
  }
  void PutText(std::string_view key, std::string_view name, DWORD type, std::string_view text) const {
    Put(key, name, {type, Utf16Bytes(std::u16string(text.begin(), text.end()))});
  }
  // The value in the shape, or gone; `type` is what the value should be.
  void PutShape(std::string_view key, std::string_view name, DWORD type, const Shape& shape) const {
    HKEY opened = nullptr;
    if (shape.missing && ::RegOpenKeyExA(HKEY_CURRENT_USER, Machine(key).c_str(), 0, KEY_SET_VALUE, &opened) == 0) {
      ::RegDeleteValueA(opened, std::string(name).c_str());
      ::RegCloseKey(opened);
    }
    if (!shape.missing) Put(key, name, {shape.wrongType != REG_NONE ? shape.wrongType : type, shape.bytes});
  }
  RawValues Stored(std::string_view key = kDeviceKey) const { return ReadRawValues(HKEY_CURRENT_USER, Machine(key)); }

  WholeRunSeen Run(const SheetSteps& steps = {}) {
    CMyPropertySheet sheet(PanelCommandLine("-n"), Board("hawk,nopublish"));
    deviceKey = sheet.State().m_strDeviceKey;
    return RunEveryPage(sheet, steps);
  }

  std::string deviceKey;
};

// ---------------------------------------------------------------------------
// The miniport's texts: UTF-16 in REG_BINARY, and the two narrow strings.

struct TextCase {
  Shape shape;
  const char* utf16;   // what the REG_BINARY texts decode to
  const char* narrow;  // what "ImagePath" and "InstalledDisplayDrivers" read as
};

class HostileTexts : public HostileRun, public ::testing::WithParamInterface<TextCase> {
 protected:
  void PutEveryText(const Shape& shape) const {
    PutShape(kServiceKey, "ImagePath", REG_EXPAND_SZ, shape);
    PutShape(kDeviceKey, "InstalledDisplayDrivers", REG_MULTI_SZ, shape);
    for (const char* name : {"AdapterString", "ChipType", "DacType", "DriverVersion"}) {
      PutShape(kDeviceKey, std::string("HardwareInformation.") + name, REG_BINARY, shape);
    }
  }
};

// The About page's ten lines when every text value has the row's shape.
std::string InfoLines(const TextCase& c) {
  const std::string named = c.shape.missing ? kNotAvailable : c.utf16;
  const std::string version = c.shape.missing ? "" : c.utf16;
  const std::string driverFile = c.shape.missing ? "" : std::string(c.narrow) + ".dll";
  return (c.shape.missing ? "" : c.narrow) + (" - " + version) + "\n" + driverFile + " - 2.3\n1024x768\n15\n60\n" +
         named + "\n8MB\nNot Retrieved: -nogl specified\n" + named + "\n" + named;
}

TEST_P(HostileTexts, AreShownWholeCodeUnitsOnlyAndTheSheetStillApplies) {
  PutEveryText(GetParam().shape);
  const WholeRunSeen seen = Run();
  EXPECT_EQ(seen.aboutInfo, InfoLines(GetParam()));
  EXPECT_EQ(seen.told, std::vector<std::string>{});
  EXPECT_EQ(Stored().count("OpenGL.UseFastClear"), 1u) << "the sheet was applied";
}

const std::string kLongText(k64KiB / 2, 'W');

INSTANTIATE_TEST_SUITE_P(
    HostileRegistry, HostileTexts,
    ::testing::Values(
        TextCase{{"Missing", "", true}, "", ""},
        TextCase{{"WrongType", Utf16Bytes(u"AB", false), false, REG_DWORD}, "AB", "A"},
        TextCase{{"NoBytes", ""}, "", ""}, TextCase{{"OneByte", "A"}, "", ""},
        TextCase{{"TwoBytes", Utf16Bytes(u"A", false)}, "A", "A"},
        TextCase{{"ThreeBytes", Utf16Bytes(u"AB", false).substr(0, 3)}, "A", "A"},
        TextCase{{"EightBytes", Utf16Bytes(u"ABCD", false)}, "ABCD", "ABCD"},
        TextCase{{"SixtyFourKiB", Utf16Bytes(std::u16string(k64KiB / 2, u'W'), false)},
                 kLongText.c_str(),
                 kLongText.c_str()},
        TextCase{{"OddLength", Utf16Bytes(u"VexelHawk") + "Z"}, "VexelHawk", "VexelHawk"},
        TextCase{{"EmbeddedNul", Utf16Bytes(std::u16string(u"Vexel\0Hawk", 10))}, "Vexel", "Vexel"},
        TextCase{{"AboveAscii", Utf16Bytes(u"Gr\u00FC\u00DF \u20AC\xD800")}, "Gr\xFC\xDF \x80?", "Gr\xFC\xDF \x80?"}),
    [](const auto& test) { return std::string(test.param.shape.name); });

// ---------------------------------------------------------------------------
// Double words: the start-up mode, the memory sizes and every option value
// that the 3D Settings and Advanced pages store without a range check, all
// in the row's shape at once. "Vexel3DDMA.LatencyTimer" and the PLL values,
// which the Advanced page checks, have rows of their own below.

constexpr const char* k3DValues[] = {
    "DefaultSettings.8bppRGB",     "3DExtensions.Disable", "3DExtensions.DisableDelta",
    "3DExtensions.DisableAlpha",   "DoubleBuffer.Disable", "3DExtensions.SupportGDIdouble",
    "3DExtensions.DisableStencil", "OpenGL.UseFastClear",  "OpenGL.DisableMipMaps"};
constexpr const char* kAdvancedValues[] = {
    "UseBiosAddresses",          "PhysicalAddress.Region0", "PhysicalAddress.Region1",
    "PhysicalAddress.Region2",   "PhysicalAddress.RomBase", "Vexel3DTiming.LBMemoryCtl",
    "Vexel3DTiming.FBMemoryCtl", "Vexel3DTiming.FBModeSel", "Vexel3DTiming.ClockSpeed"};
constexpr const char* kPresetValues[] = {"Vexel3DDMA.NumberOfDMASubBuffers", "OpenGL.SupportSoftimage",
                                         "OpenGL.SupportSoftimage351"};
constexpr const char* kModeAndMemoryValues[] = {
    "DefaultSettings.XResolution", "DefaultSettings.YResolution",    "DefaultSettings.BitsPerPel",
    "DefaultSettings.VRefresh",    "HardwareInformation.MemorySize", "HardwareInformation.LocalbufferLengthBytes"};

struct DwordCase {
  Shape shape;
  const char* aboutModeAndMemory;       // lines 3 to 7 of the About page
  std::vector<std::uint32_t> stored3D;  // in the order of k3DValues
  std::string storedRegion0;            // hexadecimal, or "" when deleted
};

class HostileDwords : public HostileRun, public ::testing::WithParamInterface<DwordCase> {};

std::vector<std::uint32_t> Numbers(const RawValues& values, std::span<const char* const> names) {
  std::vector<std::uint32_t> numbers;
  for (const char* name : names) {
    const auto found = values.find(name);
    std::uint32_t number = 0xDEADBEEF;  // not stored as a double word
    if (found != values.end() && found->second.bytes.size() == 4) {
      std::memcpy(&number, found->second.bytes.data(), 4);
    }
    numbers.push_back(number);
  }
  return numbers;
}

TEST_P(HostileDwords, AreReadAsFourByteBuffersAndStoredByThePagesRules) {
  const Shape& shape = GetParam().shape;
  Put(kDeviceKey, "OpenGL.ApplicationName", {REG_SZ, Utf16Bytes(u"AutoCAD")});
  using Names = std::span<const char* const>;
  for (const Names names :
       {Names(k3DValues), Names(kAdvancedValues), Names(kModeAndMemoryValues), Names(kPresetValues)}) {
    for (const char* name : names) PutShape(kDeviceKey, name, REG_DWORD, shape);
  }
  int presetSelected = 0;
  const WholeRunSeen seen = Run([&](UiDriver& ui, CMyPropertySheet& sheet) {
    HWND page = SheetPages(sheet).settings.GetSafeHwnd();
    ::PostMessageA(::GetDlgItem(page, IDC_SETTINGS_LIST_APPLICATIONS), BM_CLICK, 0, 0);
    HWND list = ui.WaitForWindow("Applications");
    ASSERT_NE(list, nullptr);
    ui.OnUi([&] {
      presetSelected = static_cast<int>(::SendDlgItemMessageA(list, IDC_APPLICATION_LIST_ROWS, LB_GETCURSEL, 0, 0));
      ::SendMessageA(list, WM_COMMAND, IDCANCEL, 0);
    });
  });
  const std::string& info = seen.aboutInfo;
  const std::size_t line3 = info.find('\n', info.find('\n') + 1) + 1;
  EXPECT_EQ(info.substr(line3, info.find("\nNot Retrieved") - line3), GetParam().aboutModeAndMemory);
  EXPECT_EQ(presetSelected, LB_ERR) << "no preset has these numbers";
  EXPECT_EQ(Numbers(Stored(), k3DValues), GetParam().stored3D);
  const RawValues stored = Stored();
  const auto region0 = stored.find("PhysicalAddress.Region0");
  EXPECT_EQ(region0 == stored.end() ? "" : region0->second.bytes, GetParam().storedRegion0);
}

const std::vector<std::uint32_t> kNothingRead3D{1, 0, 0, 0, 0, 0, 0, 1, 0};

INSTANTIATE_TEST_SUITE_P(
    HostileRegistry, HostileDwords,
    ::testing::Values(DwordCase{{"Missing", "", true}, "0x0\n0\n0\nVexelHawk\n0MB", kNothingRead3D, ""},
                      DwordCase{{"WrongType", Utf16Bytes(u"1"), false, REG_SZ},
                                "49x49\n49\n49\nVexelHawk\n0MB",
                                {0x31, 1, 1, 1, 0, 0, 1, 0, 0},
                                Bytes({0x31, 0, 0, 0})},
                      DwordCase{{"NoBytes", ""}, "0x0\n0\n0\nVexelHawk\n0MB", kNothingRead3D, ""},
                      DwordCase{{"OneByte", Bytes({1})},
                                "1x1\n1\n1\nVexelHawk\n0MB",
                                {1, 1, 1, 1, 1, 1, 1, 1, 1},
                                Bytes({1, 0, 0, 0})},
                      DwordCase{{"TwoBytes", Bytes({0, 1})},
                                "256x256\n256\n256\nVexelHawk\n0MB",
                                {0x100, 1, 1, 1, 0, 0, 1, 0, 0},
                                Bytes({0, 1, 0, 0})},
                      DwordCase{{"ThreeBytes", Bytes({0, 0, 1})},
                                "65536x65536\n65536\n65536\nVexelHawk\n0MB",
                                {0x10000, 1, 1, 1, 0, 0, 1, 0, 0},
                                Bytes({0, 0, 1, 0})},
                      DwordCase{{"EightBytes", Bytes({1, 0, 0, 0, 0, 0, 0, 0})},
                                "0x0\n0\n0\nVexelHawk\n0MB",
                                kNothingRead3D,
                                Bytes({1, 0, 0, 0, 0, 0, 0, 0})},
                      DwordCase{{"SixtyFourKiB", std::string(k64KiB, '\1')},
                                "0x0\n0\n0\nVexelHawk\n0MB",
                                kNothingRead3D,
                                std::string(k64KiB, '\1')},
                      DwordCase{{"AboveAscii", Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
                                "-1x-1\n-1\n-1\nVexelHawk\n4095MB",
                                {0xFFFFFFFF, 1, 1, 1, 0, 0, 1, 0, 0},
                                Bytes({0xFF, 0xFF, 0xFF, 0xFF})}),
    [](const auto& test) { return std::string(test.param.shape.name); });

// ---------------------------------------------------------------------------
// The numbers the Advanced page checks before it stores anything: the latency
// timer, and the memory clock that the three PLL values give.

constexpr const char* kCheckedValues[] = {"Vexel3DDMA.LatencyTimer", "Timing.MClkN", "Timing.MClkM", "Timing.MClkP"};
constexpr char kAbsent[] = "<absent>";
constexpr char kLatencyRange[] = "Please enter an integer between 0 and 255.";
constexpr char kClockRange[] = "Please enter an integer between 20 and 100.";

struct CheckedCase {
  Shape shape;
  const char* clockShown;
  std::vector<std::string> told;
  std::string latencyAfter;  // bytes, or kAbsent
  std::string clockAfter;    // "Vexel3DTiming.ClockSpeed": bytes, or kAbsent
};

class HostileCheckedNumbers : public HostileRun, public ::testing::WithParamInterface<CheckedCase> {
 protected:
  std::string BytesOf(const char* name) const {
    const RawValues stored = Stored();
    const auto found = stored.find(name);
    return found == stored.end() ? kAbsent : found->second.bytes;
  }
};

TEST_P(HostileCheckedNumbers, ShowWhatTheyGiveAndARefusedValueStoresNothing) {
  const CheckedCase& c = GetParam();
  for (const char* name : kCheckedValues) PutShape(kDeviceKey, name, REG_DWORD, c.shape);
  const WholeRunSeen seen = Run();
  EXPECT_EQ(seen.advancedClock, c.clockShown);
  EXPECT_EQ(seen.told, c.told);
  EXPECT_EQ(BytesOf("Vexel3DDMA.LatencyTimer"), c.latencyAfter);
  EXPECT_EQ(BytesOf("Vexel3DTiming.ClockSpeed"), c.clockAfter);
}

INSTANTIATE_TEST_SUITE_P(
    HostileRegistry, HostileCheckedNumbers,
    ::testing::Values(CheckedCase{{"Missing", "", true}, "50", {}, kAbsent, kAbsent},
                      CheckedCase{
                          {"WrongType", Utf16Bytes(u"1"), false, REG_SZ}, "57", {}, Dword(49).bytes, Dword(57).bytes},
                      CheckedCase{{"NoBytes", ""}, "115", {kClockRange}, "", kAbsent},
                      CheckedCase{{"OneByte", Bytes({1})}, "57", {}, Dword(1).bytes, Dword(57).bytes},
                      CheckedCase{{"TwoBytes", Bytes({0, 1})}, "115", {kLatencyRange}, Bytes({0, 1}), kAbsent},
                      CheckedCase{{"EightBytes", std::string(8, '\1')}, "50", {}, std::string(8, '\1'), kAbsent},
                      CheckedCase{{"AboveAscii", Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
                                  "14",
                                  {kLatencyRange},
                                  Bytes({0xFF, 0xFF, 0xFF, 0xFF}),
                                  kAbsent}),
    [](const auto& test) { return std::string(test.param.shape.name); });

// ---------------------------------------------------------------------------
// The device map's "\Device\Video0", which names every other key.

struct DeviceMapCase {
  Shape shape;
  std::string deviceKey;  // as the sheet keeps it
  bool storedThere;       // the 3D Settings page stored its values in the device key
  std::size_t told;       // message boxes: one when the key it names cannot be opened (none without a name)
};

class HostileDeviceMap : public HostileRun, public ::testing::WithParamInterface<DeviceMapCase> {};

TEST_P(HostileDeviceMap, NamesAKeyFromWholeCharactersOnly) {
  PutShape(kDeviceMapKey, "\\Device\\Video0", REG_SZ, GetParam().shape);
  const WholeRunSeen seen = Run();
  EXPECT_EQ(deviceKey, GetParam().deviceKey);
  EXPECT_EQ(Stored().count("OpenGL.UseFastClear"), GetParam().storedThere ? 1u : 0u);
  ASSERT_EQ(seen.told.size(), GetParam().told);
  for (const std::string& told : seen.told) EXPECT_LT(told.size(), kToldLimit);
}

const std::string kLongDeviceMap = Utf16Bytes(u"\\REGISTRY\\Machine\\" + std::u16string(k64KiB / 2, u'K'));

INSTANTIATE_TEST_SUITE_P(
    HostileRegistry, HostileDeviceMap,
    ::testing::Values(
        DeviceMapCase{{"Missing", "", true}, "", false, 0},
        DeviceMapCase{{"WrongType", Utf16Bytes(u"\\REGISTRY\\Machine\\Sys"), false, REG_BINARY}, "\\", false, 1},
        DeviceMapCase{{"NoBytes", ""}, "", false, 0}, DeviceMapCase{{"OneByte", "\\"}, "", false, 0},
        DeviceMapCase{{"ThreeBytes", Utf16Bytes(u"Sy", false).substr(0, 3)}, "S", false, 1},
        DeviceMapCase{{"SixtyFourKiB", kLongDeviceMap}, std::string(k64KiB / 2, 'K'), false, 1},
        DeviceMapCase{{"Unterminated", Utf16Bytes(u"\\Registry\\Machine\\System\\CurrentControlSet\\Services\\Vexel3D"
                                                  u"\\Device0",
                                                  false)},
                      kDeviceKey,
                      true,
                      0},
        DeviceMapCase{{"EmbeddedNul", Utf16Bytes(std::u16string(u"\\REGISTRY\\Machine\\System\0\\Services", 33))},
                      "System",
                      false,
                      0},
        DeviceMapCase{{"AboveAscii", Utf16Bytes(u"\\REGISTRY\\Machine\\S\u00FFstem\\Vexel3D\\Device0")},
                      "S\xFFstem\\Vexel3D\\Device0",
                      false,
                      1}),
    [](const auto& test) { return std::string(test.param.shape.name); });

// ---------------------------------------------------------------------------
// The per-maker key, read when the driver does not answer and no board was
// named: both remembered values in the row's shape.

struct PerMakerCase {
  Shape shape;
  std::string remembered;  // the card name and the settings key path read back
  int pages;
};

class HostilePerMakerKey : public HostileRun, public ::testing::WithParamInterface<PerMakerCase> {};

TEST_P(HostilePerMakerKey, GivesWholeTextsAndPagesOnlyForBoth) {
  const std::string perMakerKey = OwnPerMakerKeyPath().value_or("");
  ASSERT_FALSE(perMakerKey.empty());
  Put(perMakerKey, "Unrelated", Dword(0));
  for (const char* name : {"InstalledCard", "RegistryPath"}) PutShape(perMakerKey, name, REG_SZ, GetParam().shape);
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("hawk,noanswer,nopublish"));
  EXPECT_EQ(sheet.State().m_strCardName, GetParam().remembered);
  EXPECT_EQ(sheet.State().m_strRegistryPath, GetParam().remembered);
  EXPECT_EQ(sheet.GetPageCount(), GetParam().pages);
  // The Advanced page, which its gesture adds to any sheet, and the option
  // pages cannot store into a key that is not there, and say so once; a key
  // without a path is not opened, and nothing is told.
  const std::string toldFirst =
      "Some settings could not be stored:\n\nThe key HKEY_LOCAL_MACHINE\\" + GetParam().remembered.substr(0, 100);
  const std::vector<std::string> told = RunEveryPage(sheet).told;
  ASSERT_EQ(told.size(), GetParam().remembered.empty() ? 0u : 1u);
  if (told.empty()) return;
  EXPECT_EQ(told[0].substr(0, toldFirst.size()), toldFirst);
  EXPECT_LT(told[0].size(), kToldLimit);
}

INSTANTIATE_TEST_SUITE_P(
    HostileRegistry, HostilePerMakerKey,
    ::testing::Values(
        PerMakerCase{{"Missing", "", true}, "", 1},
        PerMakerCase{{"WrongType", Bytes({'A', 'B', 0, 0}), false, REG_DWORD}, "AB", 3},
        PerMakerCase{{"NoBytes", ""}, "", 1}, PerMakerCase{{"OneByte", "A"}, "", 1},
        PerMakerCase{{"SixtyFourKiB", Utf16Bytes(std::u16string(k64KiB / 2, u'K'))}, std::string(k64KiB / 2, 'K'), 3},
        PerMakerCase{{"EmbeddedNul", Utf16Bytes(std::u16string(u"VexelKite\0junk", 14))}, "VexelKite", 3},
        PerMakerCase{{"AboveAscii", Utf16Bytes(u"K\u00FCte")}, "K\xFCte", 3}),
    [](const auto& test) { return std::string(test.param.shape.name); });

// ---------------------------------------------------------------------------
// Keys that exist but whose security lets the user read nothing.

// Takes every right away from everyone; gives them back when it goes, so
// the test's root can be deleted.
class UnreadableKey {
 public:
  explicit UnreadableKey(std::string path) : m_path(std::move(path)) {
    ACL empty;
    ::InitializeAcl(&empty, sizeof(empty), ACL_REVISION);
    m_denied = SetDacl(&empty);
  }
  ~UnreadableKey() { SetDacl(nullptr); }
  UnreadableKey(const UnreadableKey&) = delete;
  UnreadableKey& operator=(const UnreadableKey&) = delete;
  bool Denied() const { return m_denied; }

 private:
  // A null DACL grants everything.
  bool SetDacl(PACL acl) const {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS) return false;
    SECURITY_DESCRIPTOR descriptor;
    ::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    ::SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    const LONG status = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
  }

  std::string m_path;
  bool m_denied = false;
};

struct UnreadableCase {
  const char* name;
  const char* key;
  const char* aboutInfo;
  std::size_t told;  // message boxes after OK (none for a key without a path)
};

void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class HostileKeys : public HostileRun, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(HostileKeys, CountAsMissingAndAFailedApplyIsTold) {
  const UnreadableKey denied(Machine(GetParam().key));
  ASSERT_TRUE(denied.Denied());
  const WholeRunSeen seen = Run();
  EXPECT_EQ(seen.aboutInfo, GetParam().aboutInfo);
  EXPECT_EQ(seen.told.size(), GetParam().told);
}

INSTANTIATE_TEST_SUITE_P(
    HostileRegistry, HostileKeys,
    ::testing::Values(
        UnreadableCase{"DeviceMap", kDeviceMapKey,
                       " - \n - 2.3\n0x0\n0\n0\nNot Available\n0MB\nNot Retrieved: -nogl specified\nNot Available\n"
                       "Not Available",
                       0},
        UnreadableCase{"ServiceKey", kServiceKey,
                       " - 1.1\nvexel3d.dll - 2.3\n1024x768\n15\n60\nVexelHawk\n8MB\nNot Retrieved: -nogl specified\n"
                       "GLINT 300SX\nTI TVP3026",
                       0},
        UnreadableCase{"DeviceKey", kDeviceKey,
                       "vexel3d.sys - \n - 2.3\n0x0\n0\n0\nNot Available\n0MB\nNot Retrieved: -nogl specified\n"
                       "Not Available\nNot Available",
                       1}),
    [](const auto& test) { return std::string(test.param.name); });

// ---------------------------------------------------------------------------
// The user's "Control Panel\Colors" as the OpenGL window gives colours back,
// read through the registry seam from a user hive of the test's own. One
// element per shape; no run needed.

struct ColourCase {
  const char* element;
  Shape shape;
  std::uint32_t givenBack;
};

constexpr std::uint32_t kSaved = 0x00ABCDEF;

TEST(HostileRegistryColours, AreReadIntoSixtyFourBytesAndNeverPastTheirData) {
  const std::vector<ColourCase> cases{
      {"Scrollbar", {"Missing", "", true}, kSaved},
      {"Background", {"WrongType", Bytes({'1', ' ', '2', ' ', '3', 0}), false, REG_BINARY}, kSaved},
      {"ActiveTitle", {"NoBytes", ""}, kSaved},
      {"InactiveTitle", {"OneByte", "1"}, kSaved},
      {"Menu", {"ThreeBytes", Utf16Bytes(u"7", false) + "7"}, kSaved},
      {"Window", {"Unterminated", Utf16Bytes(u"1 2 3", false)}, 0x030201},
      {"WindowFrame", {"ThirtyTwoUnitsUnterminated", Utf16Bytes(u"4 5 6" + std::u16string(27, u' '), false)}, 0x060504},
      {"MenuText", {"SixtyFourKiB", Utf16Bytes(u"7 8 9" + std::u16string(k64KiB / 2, u' '))}, kSaved},
      {"WindowText", {"EmbeddedNul", Utf16Bytes(std::u16string(u"1 2\0 3", 6))}, kSaved},
      {"TitleText", {"AboveAscii", Utf16Bytes(u"1 2 3\u00FF\u20AC")}, 0x030201},
  };
  TestRegistryRoot root;
  const std::string colours = root.Path() + "\\User\\Control Panel\\Colors";
  std::vector<std::uint32_t> expected(kSysColorElements.size(), kSaved);
  for (const ColourCase& c : cases) {
    if (!c.shape.missing) {
      PutRawValue(HKEY_CURRENT_USER, colours, c.element,
                  {c.shape.wrongType != REG_NONE ? c.shape.wrongType : REG_SZ, c.shape.bytes});
    }
    const auto element = std::ranges::find(kSysColorElements, std::string_view(c.element), &SysColorElement::name);
    expected[static_cast<std::size_t>(element - kSysColorElements.begin())] = c.givenBack;
  }
  Win32Registry registry(root.Path() + "\\Machine", root.Path() + "\\User");
  const std::vector<std::uint32_t> saved(kSysColorElements.size(), kSaved);
  EXPECT_EQ(GivenBackColors(registry, saved), expected);
}

// ---------------------------------------------------------------------------
// The quiet export on the same texts: the script stays nine whole lines.

class HostileExport : public HostileRun {
 protected:
  ScratchFolder folder;
};

TEST_F(HostileExport, WritesNineWholeLinesWhateverTheTexts) {
  Put(kDeviceKey, "HardwareInformation.AdapterString", {REG_BINARY, Utf16Bytes(std::u16string(k64KiB / 2, u'W'))});
  Put(kDeviceKey, "HardwareInformation.ChipType", {REG_BINARY, Utf16Bytes(u"Chip", false) + "Z"});
  Put(kDeviceKey, "HardwareInformation.DacType", {REG_BINARY, Utf16Bytes(std::u16string(u"DAC\0junk", 8))});
  Put(kDeviceKey, "HardwareInformation.DriverVersion", {REG_DWORD, Bytes({'9', 0, 0xD8, 0xDC})});
  RunningProgram panel("-q -n -f hostile.bat",
                       {"VEXELPANEL_SIMULATE=hawk,nopublish,root=" + root.Path(), "LANG=en_US.UTF-8"});
  EXPECT_EQ(panel.WaitForExit(), std::optional<DWORD>(0));
  EXPECT_EQ(folder.Read("HOSTILE.BAT"),
            "Set VexelPanel_Mode=1024x768x15at60Hz\n"
            "Set VexelPanel_Miniport=9?\n"
            "Set VexelPanel_Display=2.3\n"
            "Set VexelPanel_OpenGL=Not Retrieved: -nogl specified\n"
            "Set VexelPanel_Adapter=" +
                std::string(k64KiB / 2, 'W') +
                "\n"
                "Set VexelPanel_Chip=Chip\n"
                "Set VexelPanel_DAC=DAC\n"
                "Set VexelPanel_FBMem=0x800000\n"
                "Set VexelPanel_LBMem=0x800000\n");
}

}  // namespace
}  // namespace vexel::test
