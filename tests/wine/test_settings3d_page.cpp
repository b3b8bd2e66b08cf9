// The 3D Settings page in a running sheet on the simulated board: what it
// shows for the stored values and the board's memory, the colour-scheme
// radios at each activation, the values an apply stores byte for byte, and
// the applies that cannot store.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/property_sheet.h"
#include "core/little_endian.h"
#include "platform/seams.h"
#include "platform/win32_registry.h"
#include "resource.h"
#include "shared/memory_registry.h"
#include "sim/simulated_board_config.h"
#include "sim/simulated_seams.h"
#include "support/message_boxes.h"
#include "support/program.h"
#include "support/simulated_board_test.h"
#include "support/ui_driver.h"
#include "win/wnd.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr int kApplyButton = 0x3021;
constexpr const char* kSettingsKey = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";

// The check boxes in the order Look spells their states.
constexpr int kBoxes[] = {IDC_3D_ACCELERATE_OPENGL,   IDC_3D_DELTA_CHIP,     IDC_3D_EXPORT_STENCIL,
                          IDC_3D_EXPORT_ALPHA,        IDC_3D_FAST_CLEAR,     IDC_3D_GDI_DOUBLE_BUFFER,
                          IDC_3D_FORCE_SINGLE_BUFFER, IDC_3D_DISABLE_MIPMAPS};
constexpr const char* kNames[] = {
    "DefaultSettings.8bppRGB",     "3DExtensions.Disable", "3DExtensions.DisableDelta",
    "3DExtensions.DisableAlpha",   "DoubleBuffer.Disable", "3DExtensions.SupportGDIdouble",
    "3DExtensions.DisableStencil", "OpenGL.UseFastClear",  "OpenGL.DisableMipMaps"};

using Values = std::map<std::string, std::optional<StoredValue>>;

StoredValue Dword(uint32_t value) {
  StoredValue stored{kRegDword, std::vector<uint8_t>(4)};
  WriteLittleEndian32(stored.data, 0, value);
  return stored;
}

// What an apply stores when nothing was stored and nothing was changed.
Values Defaults() {
  Values values;
  for (const char* name : kNames) values[name] = Dword(0);
  values["DefaultSettings.8bppRGB"] = Dword(1);
  values["OpenGL.UseFastClear"] = Dword(1);
  return values;
}

Values With(Values values, const std::vector<std::pair<std::string, uint32_t>>& changed) {
  for (const auto& [name, value] : changed) values[name] = Dword(value);
  return values;
}

// The nine values as the settings key holds them: type and bytes.
Values NineValues(Registry& registry, const std::string& keyPath = kSettingsKey) {
  Values values;
  RegKey key;
  registry.OpenKey(Hive::LocalMachine, keyPath, key);
  for (const char* name : kNames) {
    StoredValue stored{0, std::vector<uint8_t>(64)};
    uint32_t size = 64;
    const bool found = key && key.QueryValue(name, &stored.type, stored.data.data(), &size) == kOk;
    stored.data.resize(size);
    values[name] = found ? std::optional(stored) : std::nullopt;
  }
  return values;
}

void Put(Registry& registry, const std::vector<std::pair<std::string, uint32_t>>& values) {
  RegKey key;
  ASSERT_EQ(registry.CreateKey(Hive::LocalMachine, kSettingsKey, key), kOk);
  for (const auto& [name, value] : values) ASSERT_EQ(WriteDword(key, name, value), kOk);
}

HWND ChildWithText(HWND parent, const std::string& text) {
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (win::WindowText(child) == text) return child;
  }
  return nullptr;
}

bool Enabled(HWND window) { return window && ::IsWindowEnabled(window); }

// The page as a user sees it: each box '1' checked or '0' clear in the order
// of kBoxes; the radios ColorIndex then 332 RGB likewise, checked and enabled.
struct Look {
  std::string boxes, radios, radiosEnabled, memory;
  bool groupEnabled = false, applyEnabled = false;
};

Look LookAt(HWND sheet, HWND page) {
  Look look;
  const auto state = [&](int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED ? '1' : '0'; };
  const auto enabled = [&](int id) { return Enabled(::GetDlgItem(page, id)) ? '1' : '0'; };
  for (int id : kBoxes) look.boxes += state(id);
  look.radios = {state(IDC_3D_COLOR_INDEX), state(IDC_3D_RGB332)};
  look.radiosEnabled = {enabled(IDC_3D_COLOR_INDEX), enabled(IDC_3D_RGB332)};
  look.memory = ChildText(page, IDC_3D_MEMORY);
  look.groupEnabled = Enabled(ChildWithText(page, "C&olor Scheme"));
  look.applyEnabled = Enabled(::GetDlgItem(sheet, kApplyButton));
  return look;
}

void Click(HWND page, int id) { ::SendMessageA(::GetDlgItem(page, id), BM_CLICK, 0, 0); }

class Settings3dPage : public SimulatedBoardTest {
 protected:
  using Steps = std::function<void(UiDriver&, HWND sheet, HWND page)>;

  // Runs the sheet, opens the 3D Settings page, takes the steps and closes
  // the sheet with the button.
  static void RunOnPage(CMyPropertySheet& sheet, const Steps& steps, int closeButton = PSBTN_OK) {
    UiDriver ui;
    ui.Start([&](UiDriver& driver) {
      HWND hwnd = driver.WaitForWindow("VexelPanel");
      ASSERT_NE(hwnd, nullptr);
      driver.OnUi([&] { sheet.SetActivePage(&SheetPages(sheet).settings3d); });
      steps(driver, hwnd, SheetPages(sheet).settings3d.GetSafeHwnd());
      sheet.PressButton(closeButton);
    });
    sheet.DoModal();
    ui.Join();
  }
  static Look LookNow(UiDriver& driver, HWND sheet, HWND page) {
    Look look;
    driver.OnUi([&] { look = LookAt(sheet, page); });
    return look;
  }
};

struct StoredCase {
  const char* what;
  std::vector<std::pair<std::string, uint32_t>> stored;
  const char* boxes;
  const char* radios;
  Values applied;
};

TEST_F(Settings3dPage, ShowsTheStoredValuesAndAnUnchangedOkStoresAllNine) {
  const std::vector<std::pair<std::string, uint32_t>> otherWay = {
      {"DefaultSettings.8bppRGB", 0},       {"3DExtensions.Disable", 1},      {"3DExtensions.DisableDelta", 1},
      {"3DExtensions.DisableStencil", 1},   {"3DExtensions.DisableAlpha", 1}, {"OpenGL.UseFastClear", 0},
      {"3DExtensions.SupportGDIdouble", 1}, {"DoubleBuffer.Disable", 1},      {"OpenGL.DisableMipMaps", 1}};
  const StoredCase cases[] = {
      {"nothing stored", {}, "11111000", "01", Defaults()},
      {"a Disable value of 5 is not zero: unchecked, stored as 1",
       {{"3DExtensions.Disable", 5}},
       "01111000",
       "01",
       With(Defaults(), {{"3DExtensions.Disable", 1}})},
      {"a box cannot show 5: cleared, stored as 0",
       {{"OpenGL.UseFastClear", 5}},
       "11110000",
       "01",
       With(Defaults(), {{"OpenGL.UseFastClear", 0}})},
      {"every value the other way round", otherWay, "00000111", "10", With(Defaults(), otherWay)},
  };
  for (const StoredCase& c : cases) {
    SCOPED_TRACE(c.what);
    TestRegistryRoot own;  // each case starts from a board of its own
    SimulatedBoardConfig config = ParseSimulation("hawk");
    config.registryRoot = own.Path();
    Seams seams = MakeSimulatedSeams(config);
    Put(*seams.registry, c.stored);
    CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
    Look look;
    RunOnPage(sheet, [&](UiDriver& driver, HWND hwnd, HWND page) { look = LookNow(driver, hwnd, page); });
    EXPECT_EQ(look.boxes, c.boxes);
    EXPECT_EQ(look.radios, c.radios);
    EXPECT_EQ(NineValues(*seams.registry), c.applied);
  }
}

struct ToggleCase {
  int box;
  const char* name;
  uint32_t storedWhenToggled;
};

TEST_F(Settings3dPage, EachBoxEnablesApplyAndStoresItsOwnValue) {
  const ToggleCase cases[] = {
      {IDC_3D_ACCELERATE_OPENGL, "3DExtensions.Disable", 1},
      {IDC_3D_DELTA_CHIP, "3DExtensions.DisableDelta", 1},
      {IDC_3D_EXPORT_STENCIL, "3DExtensions.DisableStencil", 1},
      {IDC_3D_EXPORT_ALPHA, "3DExtensions.DisableAlpha", 1},
      {IDC_3D_FAST_CLEAR, "OpenGL.UseFastClear", 0},
      {IDC_3D_GDI_DOUBLE_BUFFER, "3DExtensions.SupportGDIdouble", 1},
      {IDC_3D_FORCE_SINGLE_BUFFER, "DoubleBuffer.Disable", 1},
      {IDC_3D_DISABLE_MIPMAPS, "OpenGL.DisableMipMaps", 1},
  };
  Seams seams = Board("hawk");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  RunOnPage(sheet, [&](UiDriver& driver, HWND hwnd, HWND page) {
    const auto apply = [&] { driver.OnUi([&] { ::SendMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0); }); };
    apply();
    for (const ToggleCase& c : cases) {
      SCOPED_TRACE(c.name);
      EXPECT_FALSE(LookNow(driver, hwnd, page).applyEnabled);
      driver.OnUi([&] { Click(page, c.box); });
      EXPECT_TRUE(LookNow(driver, hwnd, page).applyEnabled);
      apply();
      EXPECT_EQ(NineValues(*seams.registry), With(Defaults(), {{c.name, c.storedWhenToggled}}));
      driver.OnUi([&] { Click(page, c.box); });
      apply();
      EXPECT_EQ(NineValues(*seams.registry), Defaults());
    }
  });
}

TEST_F(Settings3dPage, TheRadiosChooseTheSchemeOnlyInEightBitModes) {
  Seams seams = Board("hawk");
  Put(*seams.registry, {{"DefaultSettings.BitsPerPel", 8}});
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  std::vector<std::pair<Look, std::optional<StoredValue>>> steps;
  RunOnPage(sheet, [&](UiDriver& driver, HWND hwnd, HWND page) {
    // Each step clicks a radio (none first) and applies.
    const auto step = [&](int radio) {
      if (radio) driver.OnUi([&] { Click(page, radio); });
      const Look look = LookNow(driver, hwnd, page);
      driver.OnUi([&] { ::SendMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0); });
      steps.emplace_back(look, NineValues(*seams.registry)["DefaultSettings.8bppRGB"]);
    };
    step(0);
    step(IDC_3D_COLOR_INDEX);
    step(IDC_3D_RGB332);
  });
  ASSERT_EQ(steps.size(), 3u);
  const std::pair<const char*, uint32_t> expected[] = {{"01", 1}, {"10", 0}, {"01", 1}};
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].first.radiosEnabled, "11") << i;
    EXPECT_EQ(steps[i].first.radios, expected[i].first) << i;
    EXPECT_TRUE(i == 0 || steps[i].first.applyEnabled) << i;
    EXPECT_EQ(steps[i].second, Dword(expected[i].second)) << i;
  }
}

// The rule runs at every activation, so a depth stored meanwhile is seen.
TEST_F(Settings3dPage, TheRadiosFollowTheStoredDepthAtEveryActivationAndTheSchemeIsStillStored) {
  Seams seams = Board("hawk");
  Put(*seams.registry, {{"DefaultSettings.8bppRGB", 0}});
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  const uint32_t depths[] = {16, 8, 15, 16};
  std::vector<Look> looks;
  RunOnPage(sheet, [&](UiDriver& driver, HWND hwnd, HWND page) {
    for (const uint32_t depth : depths) {
      driver.OnUi([&] {
        sheet.SetActivePage(&SheetPages(sheet).about);
        Put(*seams.registry, {{"DefaultSettings.BitsPerPel", depth}});
        sheet.SetActivePage(&SheetPages(sheet).settings3d);
      });
      looks.push_back(LookNow(driver, hwnd, page));
    }
  });
  ASSERT_EQ(looks.size(), 4u);
  const char* enabled[] = {"00", "11", "00", "00"};
  for (size_t i = 0; i < looks.size(); ++i) {
    EXPECT_EQ(looks[i].radiosEnabled, enabled[i]) << depths[i];
    EXPECT_EQ(looks[i].radios, "10") << depths[i];
    EXPECT_TRUE(looks[i].groupEnabled) << depths[i];
  }
  EXPECT_EQ(NineValues(*seams.registry), With(Defaults(), {{"DefaultSettings.8bppRGB", 0}}));
}

struct MemoryCase {
  const char* words;
  // A field of the driver's reply as the test sets it, by its offset.
  std::optional<std::pair<size_t, uint32_t>> patch;
  const char* shown;
};

TEST_F(Settings3dPage, ShowsTheBoardsMemoryOrNothingForAnotherVendor) {
  const MemoryCase cases[] = {
      {"hawk,8mb,lb32", std::nullopt, "8 MB\n\n8 MB\n\n32 Bit"},
      {"hawk,4mb,lb24", std::nullopt, "4 MB\n\n4 MB\n\n24 Bit"},
      {"kite,8mb,lb24", std::nullopt, "8 MB\n\n8 MB\n\n24 Bit"},
      {"kite,4mb,lb32", std::nullopt, "4 MB\n\n4 MB\n\n32 Bit"},
      {"hawk,8mb,lb24", std::make_pair(DriverInfoReply::kLocalBufferSizeOffset, 1u << 20), "8 MB\n\n2 MB\n\n24 Bit"},
      {"hawk,8mb,lb32", std::make_pair(DriverInfoReply::kLocalBufferSizeOffset, (3u << 20) + 5),
       "8 MB\n\n3 MB\n\n32 Bit"},
      {"hawk,8mb,lb32", std::make_pair(DriverInfoReply::kVendorIdOffset, 0x104Cu), ""},
  };
  for (const MemoryCase& c : cases) {
    SCOPED_TRACE(c.words);
    CMyPropertySheet sheet(PanelCommandLine("-n"), Board(c.words));
    if (c.patch) WriteLittleEndian32(sheet.State().m_DriverInfo.bytes, c.patch->first, c.patch->second);
    Look look;
    RunOnPage(
        sheet, [&](UiDriver& driver, HWND hwnd, HWND page) { look = LookNow(driver, hwnd, page); }, PSBTN_CANCEL);
    EXPECT_EQ(look.memory, c.shown);
  }
}

TEST_F(Settings3dPage, APageNeverOpenedStoresNothing) {
  Seams seams = Board("hawk");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  UiDriver ui;
  ui.Start([&](UiDriver& driver) {
    ASSERT_NE(driver.WaitForWindow("VexelPanel"), nullptr);
    sheet.PressButton(PSBTN_OK);
  });
  sheet.DoModal();
  ui.Join();
  EXPECT_EQ(SheetPages(sheet).settings3d.GetSafeHwnd(), nullptr);
  for (const auto& [name, value] : NineValues(*seams.registry)) EXPECT_EQ(value, std::nullopt) << name;
}

struct FailureCase {
  const char* what;
  const char* keyPath;
  std::vector<std::string> told;
};

// A settings key that refuses writes, or is not there: the user is told once,
// every value that was not stored is named, and the sheet still closes.
TEST_F(Settings3dPage, WhatCouldNotBeStoredIsToldInOneMessageBox) {
  const FailureCase cases[] = {
      {"writes refused", "Vexel\\Settings", {}},
      {"no key", "Vexel\\Missing", {"The key HKEY_LOCAL_MACHINE\\Vexel\\Missing could not be opened"}},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.what);
    Seams seams = Board("hawk");
    auto refusing = std::make_shared<MemoryRegistry>();
    refusing->DenyWrites(Hive::LocalMachine, "Vexel\\Settings");
    seams.registry = refusing;
    CMyPropertySheet sheet(PanelCommandLine(std::string("-n -p ") + c.keyPath), seams);
    UiDriver ui;
    std::string told;
    bool secondBox = false;
    std::atomic<bool> returned = false;
    ui.Start([&](UiDriver& driver) {
      ASSERT_NE(driver.WaitForWindow("VexelPanel"), nullptr);
      driver.OnUi([&] { sheet.SetActivePage(&SheetPages(sheet).settings3d); });
      sheet.PressButton(PSBTN_OK);
      told = driver.AnswerMessageBox();
      PollUntil(std::chrono::seconds(20), [&] { return returned || driver.MessageBoxOpen(); });
      secondBox = !returned && driver.MessageBoxOpen();
      if (secondBox) driver.AnswerMessageBox();
    });
    sheet.DoModal();
    returned = true;
    ui.Join();
    std::vector<std::string> expected = c.told;
    if (expected.empty()) {
      for (const char* name : kNames)
        expected.push_back("\"" + std::string(name) + "\" in HKEY_LOCAL_MACHINE\\" + c.keyPath);
    }
    for (const std::string& line : expected) EXPECT_NE(told.find(line), std::string::npos) << line << "\n" << told;
    EXPECT_FALSE(secondBox);
    EXPECT_EQ(refusing->ValueCount(Hive::LocalMachine, c.keyPath), 0u);
  }
}

// vexelpanel.exe as a German user's system starts it. Wine takes the locale
// from the Unix environment a process starts in, not from a Windows
// environment block, so the program is started through env and wine.
class GermanPanel {
 public:
  explicit GermanPanel(const std::string& registryRoot) {
    std::string command = "Z:\\usr\\bin\\env LANG=de_DE.UTF-8 \"VEXELPANEL_SIMULATE=hawk,root=" + registryRoot +
                          "\" wine \"" + ProgramPath() + "\" -n";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
      return;
    }
    // A Unix process comes without handles; a Windows one would not.
    if (process.hProcess) ::CloseHandle(process.hProcess);
    if (process.hThread) ::CloseHandle(process.hThread);
    PollUntil(std::chrono::seconds(20), [&] { return (m_sheet = ::FindWindowA(nullptr, "VexelPanel")) != nullptr; });
  }
  // A failing test never leaves the panel behind.
  ~GermanPanel() {
    if (m_sheet && ::IsWindow(m_sheet)) ::PostMessageA(m_sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
  GermanPanel(const GermanPanel&) = delete;
  GermanPanel& operator=(const GermanPanel&) = delete;

  HWND Sheet() const { return m_sheet; }
  bool Closed() const {
    return PollUntil(std::chrono::seconds(20), [&] { return !::IsWindow(m_sheet); });
  }

 private:
  HWND m_sheet = nullptr;
};

// The German resources carry every control, and the value names are the
// driver's, whatever the language: a German user stores the same values.
TEST_F(Settings3dPage, TheGermanPageStoresUnderTheSameNames) {
  const GermanPanel panel(root.Path());
  HWND sheet = panel.Sheet();
  ASSERT_NE(sheet, nullptr);
  ::SendMessageA(sheet, PSM_SETCURSEL, 2, 0);
  HWND page = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  ASSERT_NE(page, nullptr);
  const std::string mipMaps = ChildText(page, IDC_3D_DISABLE_MIPMAPS);
  ASSERT_NE(mipMaps, "Disable &MipMaps") << "Wine chose English: tools/setup-packages.sh makes the de_DE.UTF-8 locale";
  const Look before = LookAt(sheet, page);
  const bool fastClearThere = ::GetDlgItem(page, IDC_3D_FAST_CLEAR) != nullptr;
  Click(page, IDC_3D_DISABLE_MIPMAPS);
  Click(page, IDC_3D_FAST_CLEAR);
  const bool applyEnabled = LookAt(sheet, page).applyEnabled;
  ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_OK, 0);
  ASSERT_TRUE(panel.Closed());
  EXPECT_EQ(mipMaps, "&MipMaps deaktivieren");
  EXPECT_TRUE(fastClearThere);
  EXPECT_EQ(before.memory, "8 MB\n\n8 MB\n\n32 Bit");
  EXPECT_EQ(before.boxes, "11111000");
  EXPECT_TRUE(applyEnabled);
  Win32Registry machine(root.Path() + "\\Machine", root.Path() + "\\User");
  EXPECT_EQ(NineValues(machine), With(Defaults(), {{"OpenGL.DisableMipMaps", 1}, {"OpenGL.UseFastClear", 0}}));
}

}  // namespace
}  // namespace vexel::test
