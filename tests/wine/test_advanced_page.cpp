// The Advanced page in a running sheet on the simulated board, added by the
// Shift+Ctrl gesture: what it shows of the stored values, its hexadecimal
// fields and up-down controls under real keystrokes and pastes, its
// validation, what an apply stores or removes (checked byte for byte), failed
// writes, what the user is told one message at a time (also under display
// changes), and the German page.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/property_sheet.h"
#include "resource.h"
#include "shared/memory_registry.h"
#include "support/simulated_board_test.h"
#include "support/ui_driver.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kClockSpeed[] = "Vexel3DTiming.ClockSpeed";

// A value as the registry holds it.
struct Raw {
  DWORD type = 0;
  std::string bytes;
  friend bool operator==(const Raw&, const Raw&) = default;
};
using Values = std::map<std::string, Raw>;

Raw Dword(uint32_t value) { return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), 4)}; }

void PrintTo(const Raw& raw, std::ostream* out) {
  *out << "type " << raw.type << ":";
  for (unsigned char byte : raw.bytes) *out << ' ' << std::hex << static_cast<int>(byte) << std::dec;
}

// The 60 MHz PLL values.
const Values kPllFor60 = {{"Timing.MClkN", Dword(0xEC)}, {"Timing.MClkM", Dword(0x2B)}, {"Timing.MClkP", Dword(0xB1)}};

Values With(Values values, const Values& more) {
  for (const auto& [name, raw] : more) values[name] = raw;
  return values;
}

Values Without(Values values, std::initializer_list<const char*> names) {
  for (const char* name : names) values.erase(name);
  return values;
}

// Holds keys down in this thread's keyboard state, as GetKeyState sees it.
void HoldKeys(std::initializer_list<int> keys) {
  BYTE state[256] = {};
  for (int key : keys) state[key] = 0x80;
  ::SetKeyboardState(state);
}

// Characters typed into a control, one WM_CHAR each.
void Type(HWND control, std::string_view characters) {
  for (char c : characters) ::SendMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void SelectAll(HWND control) { ::SendMessageA(control, EM_SETSEL, 0, -1); }

// Pastes a text over the control's selection through the clipboard.
void Paste(HWND control, const std::string& text) {
  ASSERT_TRUE(::OpenClipboard(control));
  ::EmptyClipboard();
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(::GlobalLock(memory), text.c_str(), text.size() + 1);
  ::GlobalUnlock(memory);
  ::SetClipboardData(CF_TEXT, memory);
  ::CloseClipboard();
  ::SendMessageA(control, WM_PASTE, 0, 0);
}

std::pair<int, int> Selection(HWND control) {
  DWORD start = 0;
  DWORD end = 0;
  ::SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {static_cast<int>(start), static_cast<int>(end)};
}

// A key pressed and let go in a control.
void Press(HWND control, int key) {
  ::SendMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  ::SendMessageA(control, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
}

using PageSteps = std::function<void(UiDriver&, CMyPropertySheet&, HWND page)>;

class AdvancedPageTest : public SimulatedBoardTest {
 protected:
  AdvancedPageTest() : seams(Board("hawk")) {}

  // The settings key as the simulated board keeps it below the test's root.
  std::string KeyPath() const { return root.Path() + "\\Machine\\" + kDeviceKey; }

  void Put(const Values& values) const {
    HKEY key = nullptr;
    ASSERT_EQ(
        ::RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    for (const auto& [name, raw] : values) {
      ::RegSetValueExA(key, name.c_str(), 0, raw.type, reinterpret_cast<const BYTE*>(raw.bytes.data()),
                       static_cast<DWORD>(raw.bytes.size()));
    }
    ::RegCloseKey(key);
  }

  // Every value of the settings key.
  Values Stored() const {
    Values values;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD index = 0;; ++index) {
      char name[256];
      BYTE data[1024];
      DWORD nameSize = sizeof(name);
      DWORD dataSize = sizeof(data);
      DWORD type = 0;
      if (::RegEnumValueA(key, index, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) break;
      values[name] = {type, std::string(reinterpret_cast<const char*>(data), dataSize)};
    }
    ::RegCloseKey(key);
    return values;
  }

  // Opens the panel, adds the Advanced page with Shift+Ctrl and a click,
  // shows it, runs the steps on it and presses the sheet's button. Returns
  // the message box that follows the button, when one is expected.
  std::string RunPanel(const PageSteps& steps, int button = PSBTN_OK, bool messageExpected = false,
                       const std::string& arguments = "-n") {
    CMyPropertySheet sheet(PanelCommandLine(arguments), seams);
    UiDriver ui;
    std::string told;
    ui.Start([&](UiDriver& driver) {
      HWND hwnd = driver.WaitForWindow("VexelPanel");
      ASSERT_NE(hwnd, nullptr);
      HWND page = nullptr;
      driver.OnUi([&] {
        HoldKeys({VK_SHIFT, VK_CONTROL});
        ::SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
        HoldKeys({});
        sheet.SetActivePage(&SheetPages(sheet).advanced);
        page = SheetPages(sheet).advanced.GetSafeHwnd();
      });
      EXPECT_NE(page, nullptr);
      if (page) steps(driver, sheet, page);
      sheet.PressButton(button);
      if (messageExpected) told = driver.AnswerMessageBox();
    });
    sheet.DoModal();
    ui.Join();
    return told;
  }

  // The memory clock the page shows when it opens.
  std::string ShownClock() {
    std::string shown;
    RunPanel([&](UiDriver& ui, CMyPropertySheet&,
                 HWND page) { ui.OnUi([&] { shown = ChildText(page, IDC_ADVANCED_MCLK); }); },
             PSBTN_CANCEL);
    return shown;
  }

  Seams seams;
};

bool ApplyEnabled(HWND page) { return ::IsWindowEnabled(::GetDlgItem(::GetParent(page), 0x3021)) != FALSE; }

TEST_F(AdvancedPageTest, NothingStoredShowsTheNeutralValuesAndAnApplyStoresNothing) {
  const Values before = Stored();
  std::vector<std::string> texts;
  bool checked = true;
  bool applyEnabled = true;
  RunPanel([&](UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      for (int id : {IDC_ADVANCED_REGION0, IDC_ADVANCED_REGION1, IDC_ADVANCED_REGION2, IDC_ADVANCED_ROM_BASE,
                     IDC_ADVANCED_LB_MEM_CTL, IDC_ADVANCED_FB_MEM_CTL, IDC_ADVANCED_FB_MODE_SEL, IDC_ADVANCED_LATENCY,
                     IDC_ADVANCED_MCLK}) {
        texts.push_back(ChildText(page, id));
      }
      checked = ::IsDlgButtonChecked(page, IDC_ADVANCED_USE_BIOS) != BST_UNCHECKED;
      applyEnabled = ApplyEnabled(page);
    });
  });
  EXPECT_EQ(texts, (std::vector<std::string>{"0x0", "0x0", "0x0", "0x0", "0x0", "0x0", "0x0", "0", "50"}));
  EXPECT_FALSE(checked);
  EXPECT_FALSE(applyEnabled);  // showing what is stored changes nothing
  EXPECT_EQ(Stored(), before);
}

struct ClockCase {
  const char* typed;
  uint32_t n, m, p;
  const char* shownNextTime;
};

class StoredClock : public AdvancedPageTest, public ::testing::WithParamInterface<ClockCase> {};

TEST_P(StoredClock, IsStoredWithItsPllValuesAndShownAsTheyGiveIt) {
  const ClockCase& c = GetParam();
  const Values before = Stored();
  RunPanel([&](UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      HWND clock = ::GetDlgItem(page, IDC_ADVANCED_MCLK);
      SelectAll(clock);
      Type(clock, c.typed);
    });
  });
  EXPECT_EQ(Stored(), With(before, {{kClockSpeed, Dword(static_cast<uint32_t>(std::atoi(c.typed)))},
                                    {"Timing.MClkN", Dword(c.n)},
                                    {"Timing.MClkM", Dword(c.m)},
                                    {"Timing.MClkP", Dword(c.p)}}));
  EXPECT_EQ(ShownClock(), c.shownNextTime);
}

INSTANTIATE_TEST_SUITE_P(AdvancedPage, StoredClock,
                         ::testing::Values(ClockCase{"60", 0xEC, 0x2B, 0xB1, "60"},
                                           ClockCase{"45", 0xFA, 0x36, 0xB2, "45"},
                                           ClockCase{"56", 0xFE, 0x3E, 0xB1, "57"},
                                           ClockCase{"20", 0xF7, 0x3A, 0xB2, "20"}),
                         [](const auto& test) { return std::string("MHz") + test.param.typed; });

struct LoadCase {
  const char* name;
  Values stored;
  const char* shown;
};

class LoadedClock : public AdvancedPageTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadedClock, ComesFromThePllValuesOnly) {
  Put(GetParam().stored);
  EXPECT_EQ(ShownClock(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(AdvancedPage, LoadedClock,
                         ::testing::Values(LoadCase{"ClockSpeed70BesideThePllValuesFor60",
                                                    With(kPllFor60, {{kClockSpeed, Dword(70)}}), "60"},
                                           LoadCase{"TwoOfTheThreePllValues", Without(kPllFor60, {"Timing.MClkM"}),
                                                    "50"}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(AdvancedPageTest, BackToFiftyRemovesTheClockAndItsPllValues) {
  const Values untouched = Stored();
  Put(With(kPllFor60, {{kClockSpeed, Dword(60)}}));
  std::string shown;
  RunPanel([&](UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      HWND clock = ::GetDlgItem(page, IDC_ADVANCED_MCLK);
      shown = ChildText(page, IDC_ADVANCED_MCLK);
      SelectAll(clock);
      Type(clock, "50");
    });
  });
  EXPECT_EQ(shown, "60");
  EXPECT_EQ(Stored(), untouched);
}

// Neutral values remove only what reads as a number; the rest is stored.
TEST_F(AdvancedPageTest, AnApplyStoresOrRemovesEveryValueByItsField) {
  const Raw eightBytes{REG_BINARY, std::string("\x01\x02\x03\x04\x05\x06\x07\x08", 8)};
  Put({{"UseBiosAddresses", Dword(1)},
       {"PhysicalAddress.Region0", Dword(0x1234)},
       {"PhysicalAddress.Region1", eightBytes},
       {"PhysicalAddress.RomBase", Dword(7)},
       {"Vexel3DTiming.FBModeSel", Dword(0xABCDEF01)},
       {"Vexel3DDMA.LatencyTimer", Dword(5)}});
  const Values before = Stored();
  std::vector<std::string> shown;
  bool checked = false;
  RunPanel([&](UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      for (int id : {IDC_ADVANCED_REGION0, IDC_ADVANCED_REGION1, IDC_ADVANCED_ROM_BASE, IDC_ADVANCED_FB_MODE_SEL,
                     IDC_ADVANCED_LATENCY}) {
        shown.push_back(ChildText(page, id));
      }
      checked = ::IsDlgButtonChecked(page, IDC_ADVANCED_USE_BIOS) == BST_CHECKED;
      ::SendMessageA(::GetDlgItem(page, IDC_ADVANCED_USE_BIOS), BM_CLICK, 0, 0);
      for (int id : {IDC_ADVANCED_REGION0, IDC_ADVANCED_LATENCY}) {
        SelectAll(::GetDlgItem(page, id));
        Type(::GetDlgItem(page, id), "0");
      }
      SelectAll(::GetDlgItem(page, IDC_ADVANCED_LB_MEM_CTL));
      Type(::GetDlgItem(page, IDC_ADVANCED_LB_MEM_CTL), "9");
    });
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"0x1234", "0x0", "0x7", "0xABCDEF01", "5"}));
  EXPECT_TRUE(checked);
  EXPECT_EQ(Stored(), With(Without(before, {"UseBiosAddresses", "PhysicalAddress.Region0", "Vexel3DDMA.LatencyTimer"}),
                           {{"Vexel3DTiming.LBMemoryCtl", Dword(9)}}));
}

struct EditCase {
  const char* before;
  int start, end;
  enum { Typed, Pasted, SetByProgram } how;
  const char* input;
  const char* after;
  int afterStart, afterEnd;
  uint32_t value;
};

TEST_F(AdvancedPageTest, AHexadecimalFieldKeepsItsNumberInTheNormalForm) {
  const EditCase cases[] = {
      {"0x0", 3, 3, EditCase::Typed, "1", "0x1", 3, 3, 1},
      {"0x1", 3, 3, EditCase::Typed, "a", "0x1", 3, 3, 1},  // the number-only style refuses a typed letter
      {"0x1", 3, 3, EditCase::Pasted, "a", "0x1A", 4, 4, 0x1A},
      {"0x1A", 2, 2, EditCase::Pasted, "g", "0x1A", 2, 2, 0x1A},  // back by one from after the keystroke
      {"0x1A", 0, 4, EditCase::Pasted, "x", "0x0", 3, 3, 0},
      {"0x1A", 0, 4, EditCase::Pasted, "1x2", "0x1", 3, 3, 1},
      {"0x1", 0, 3, EditCase::Pasted, "0x00ff", "0xFF", 4, 4, 0xFF},
      {"0xFF", 0, 4, EditCase::Pasted, "0X1", "0xFF", 2, 2, 0xFF},
      {"0xFF", 0, 4, EditCase::Pasted, "123456789", "0xFFFFFFFF", 9, 9, 0xFFFFFFFF},
      {"0x12", 0, 4, EditCase::Typed, "\b", "0x0", 3, 3, 0},
      {"0x1", 0, 0, EditCase::Typed, "5", "0x50", 4, 4, 0x50},
      {"0x0", 0, 0, EditCase::SetByProgram, "0x1F", "0x1F", 4, 4, 31},
      {"0x1F", 0, 0, EditCase::SetByProgram, "0xZZ", "0x1F", 0, 0, 31},
  };
  bool applyEnabled = false;
  RunPanel(
      [&](UiDriver& ui, CMyPropertySheet& sheet, HWND page) {
        HWND field = ::GetDlgItem(page, IDC_ADVANCED_REGION2);
        for (const EditCase& c : cases) {
          SCOPED_TRACE(std::string(c.before) + " + \"" + c.input + "\"");
          ui.OnUi([&] {
            ::SetWindowTextA(field, c.before);
            ::SendMessageA(field, EM_SETSEL, static_cast<WPARAM>(c.start), c.end);
            if (c.how == EditCase::Typed) Type(field, c.input);
            if (c.how == EditCase::Pasted) Paste(field, c.input);
            if (c.how == EditCase::SetByProgram) ::SetWindowTextA(field, c.input);
            EXPECT_EQ(win::WindowText(field), c.after);
            EXPECT_EQ(Selection(field), std::make_pair(c.afterStart, c.afterEnd));
            EXPECT_EQ(SheetPages(sheet).advanced.m_hexFields[2].m_dwValue, c.value);
          });
        }
        ui.OnUi([&] { applyEnabled = ApplyEnabled(page); });
      },
      PSBTN_CANCEL);
  EXPECT_TRUE(applyEnabled);
}

TEST_F(AdvancedPageTest, TheUpDownControlsStepWithinTheirRanges) {
  struct Step {
    int id;
    const char* before;
    int key;
    int times;
    const char* after;
  };
  const Step steps[] = {
      {IDC_ADVANCED_MCLK, "80", VK_UP, 1, "80"},    {IDC_ADVANCED_MCLK, "20", VK_DOWN, 1, "20"},
      {IDC_ADVANCED_LATENCY, "0", VK_DOWN, 1, "0"}, {IDC_ADVANCED_LATENCY, "254", VK_UP, 3, "255"},
      {IDC_ADVANCED_MCLK, "50", VK_UP, 10, "60"},
  };
  const Values before = Stored();
  RunPanel([&](UiDriver& ui, CMyPropertySheet&, HWND page) {
    for (const Step& step : steps) {
      ui.OnUi([&] {
        HWND edit = ::GetDlgItem(page, step.id);
        ::SetWindowTextA(edit, step.before);
        for (int i = 0; i < step.times; ++i) Press(edit, step.key);
        EXPECT_EQ(win::WindowText(edit), step.after) << step.id << " from " << step.before;
      });
    }
  });
  EXPECT_EQ(Stored(),
            With(With(before, kPllFor60), {{kClockSpeed, Dword(60)}, {"Vexel3DDMA.LatencyTimer", Dword(255)}}));
}

struct RefusedCase {
  const char* name;
  int id;
  bool pasted;
  const char* text;
  const char* message;
};

class RefusedNumber : public AdvancedPageTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedNumber, IsToldWithTheFieldSelectedAndNothingIsStored) {
  const RefusedCase& c = GetParam();
  const Values before = Stored();
  std::string told;
  int focus = 0;
  std::pair<int, int> selection;
  int length = 0;
  RunPanel(
      [&](UiDriver& ui, CMyPropertySheet& sheet, HWND page) {
        ui.OnUi([&] {
          Type(::GetDlgItem(page, IDC_ADVANCED_REGION0), "1");
          HWND field = ::GetDlgItem(page, c.id);
          SelectAll(field);
          if (c.pasted) {
            Paste(field, c.text);
          } else {
            Type(field, c.text);
          }
        });
        sheet.PressButton(PSBTN_APPLYNOW);
        told = ui.AnswerMessageBox();
        HWND focused = ui.FocusWhenSettled();
        ui.OnUi([&] {
          focus = ::GetDlgCtrlID(focused);
          selection = Selection(focused);
          length = ::GetWindowTextLengthA(focused);
        });
      },
      PSBTN_CANCEL);
  EXPECT_EQ(told, c.message);
  EXPECT_EQ(focus, c.id);
  EXPECT_EQ(selection, std::make_pair(0, length));
  EXPECT_EQ(Stored(), before);
}

INSTANTIATE_TEST_SUITE_P(
    AdvancedPage, RefusedNumber,
    ::testing::Values(
        RefusedCase{"Clock101", IDC_ADVANCED_MCLK, false, "101", "Please enter an integer between 20 and 100."},
        RefusedCase{"Latency256", IDC_ADVANCED_LATENCY, false, "256", "Please enter an integer between 0 and 255."},
        RefusedCase{"ClockNotANumber", IDC_ADVANCED_MCLK, true, "6o", "Please enter an integer."},
        RefusedCase{"LatencyNegative", IDC_ADVANCED_LATENCY, true, "-1", "Please enter a positive integer."}),
    [](const auto& test) { return std::string(test.param.name); });

// What the user is told, row by row: a number beyond 32 bits, the page shown
// again, display changes over a refused field, and keys that do not open.
// Each row opens the 3D Settings page and comes back before its edit.
struct ToldCase {
  const char* name;
  const char* board;
  const char* arguments;
  int field;  // 0: no edit
  const char* text;
  int displayChanges;
  bool apply;
  bool applyEnabledAfterReturn;
  std::vector<std::string> told;
};

class Told : public AdvancedPageTest, public ::testing::WithParamInterface<ToldCase> {};

TEST_P(Told, OneMessageAtATimeAndNothingStored) {
  const ToldCase& c = GetParam();
  seams = Board(c.board);
  const Values before = Stored();
  std::vector<std::string> told;
  int mostOpen = 0;
  bool applyEnabled = false;
  RunPanel(
      [&](UiDriver& ui, CMyPropertySheet& sheet, HWND page) {
        ui.OnUi([&] {
          sheet.SetActivePage(&SheetPages(sheet).settings3d);
          sheet.SetActivePage(&SheetPages(sheet).advanced);
          applyEnabled = ApplyEnabled(page);
          if (c.field) ::SetDlgItemTextA(page, c.field, c.text);
        });
        for (int i = 0; i < c.displayChanges; ++i) seams.display->BroadcastDisplayChange(32, 1024, 768);
        if (c.apply) sheet.PressButton(PSBTN_APPLYNOW);
        for (ui.FocusAfterPosted(); ui.MessageBoxOpen(); ui.FocusAfterPosted()) {
          mostOpen = std::max(mostOpen, ui.MessageBoxesOpen());
          told.push_back(ui.AnswerMessageBox());
        }
      },
      PSBTN_CANCEL, false, c.arguments);
  EXPECT_EQ(told, c.told);
  EXPECT_LE(mostOpen, 1);
  EXPECT_EQ(applyEnabled, c.applyEnabledAfterReturn);
  EXPECT_EQ(Stored(), before);
}

const std::string kClockRange = "Please enter an integer between 20 and 100.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    AdvancedPage, Told,
    ::testing::Values(
        ToldCase{"Latency4294967296", "hawk", "-n", IDC_ADVANCED_LATENCY, "4294967296", 0, true, false,
                 {"Please enter an integer between 0 and 255."}},
        ToldCase{"Clock2147483648", "hawk", "-n", IDC_ADVANCED_MCLK, "2147483648", 0, true, false, {kClockRange}},
        ToldCase{"ClockMinus2147483649", "hawk", "-n", IDC_ADVANCED_MCLK, "-2147483649", 0, true, false, {kClockRange}},
        ToldCase{"BackOnThePage", "hawk", "-n", 0, "", 0, false, false, {}},
        ToldCase{"ThreeDisplayChangesOver101", "hawk", "-n", IDC_ADVANCED_MCLK, "101", 3, false, false,
                 {kClockRange, kClockRange}},
        ToldCase{"AKeyThatDoesNotOpen", "hawk", "-p No\\Such\\Key -n", IDC_ADVANCED_REGION0, "0x1", 0, true, false,
                 {"Some settings could not be stored:\n\nThe key HKEY_LOCAL_MACHINE\\No\\Such\\Key could not be opened: "
                  "File not found."}},
        ToldCase{"AnEmptySettingsKeyPath", "hawk,noanswer", "-s VexelHawk -n", IDC_ADVANCED_REGION0, "0x1", 0, true,
                 true, {}}),
    [](const auto& test) { return std::string(test.param.name); });
// clang-format on

// A registry of the test's own, so writes can be refused.
struct FailureCase {
  const char* name;
  const char* keyPath;
  bool refusing;
  std::vector<std::string> told;
};

class FailedWrite : public AdvancedPageTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(FailedWrite, IsToldOnceAndTheApplyStillCompletes) {
  const FailureCase& c = GetParam();
  auto registry = std::make_shared<MemoryRegistry>();
  registry->Put(Hive::LocalMachine, "Vexel\\Settings", "PhysicalAddress.Region0", {REG_DWORD, {5, 0, 0, 0}});
  if (c.refusing) registry->DenyWrites(Hive::LocalMachine, "Vexel\\Settings");
  seams.registry = registry;
  const std::string told = RunPanel(
      [&](UiDriver& ui, CMyPropertySheet&, HWND page) {
        ui.OnUi([&] {
          HWND region = ::GetDlgItem(page, IDC_ADVANCED_REGION0);
          SelectAll(region);
          Type(region, "0");
          HWND clock = ::GetDlgItem(page, IDC_ADVANCED_MCLK);
          SelectAll(clock);
          Type(clock, "60");
        });
      },
      PSBTN_OK, true, std::string("-p ") + c.keyPath + " -n");
  for (const std::string& part : c.told) EXPECT_NE(told.find(part), std::string::npos) << part << " in " << told;
  EXPECT_EQ(registry->Find(Hive::LocalMachine, "Vexel\\Settings", "PhysicalAddress.Region0"),
            (StoredValue{REG_DWORD, {5, 0, 0, 0}}));
}

INSTANTIATE_TEST_SUITE_P(
    AdvancedPage, FailedWrite,
    ::testing::Values(
        FailureCase{"WritesRefused",
                    "Vexel\\Settings",
                    true,
                    {"\"PhysicalAddress.Region0\" in HKEY_LOCAL_MACHINE\\Vexel\\Settings",
                     "\"Vexel3DTiming.ClockSpeed\"", "\"Timing.MClkN\"", "\"Timing.MClkM\"", "\"Timing.MClkP\""}},
        FailureCase{
            "KeyMissing", "Vexel\\Missing", false, {"The key HKEY_LOCAL_MACHINE\\Vexel\\Missing could not be opened"}}),
    [](const auto& test) { return std::string(test.param.name); });

// The German resources, as a German system's thread finds them first.
class GermanAdvancedPage : public AdvancedPageTest {
 protected:
  void SetUp() override { ::SetThreadLocale(MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT)); }
  void TearDown() override { ::SetThreadLocale(m_previous); }

 private:
  LCID m_previous = ::GetThreadLocale();
};

TEST_F(GermanAdvancedPage, FindsEveryValueNameAndStoresAClock) {
  const Values before = Stored();
  std::string caption;
  std::string useBios;
  RunPanel([&](UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      char text[64] = {};
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      TabCtrl_GetItem(PropSheet_GetTabControl(::GetParent(page)), 3, &item);
      caption = text;
      useBios = ChildText(page, IDC_ADVANCED_USE_BIOS);
      HWND clock = ::GetDlgItem(page, IDC_ADVANCED_MCLK);
      SelectAll(clock);
      Type(clock, "60");
      HWND region = ::GetDlgItem(page, IDC_ADVANCED_REGION0);
      SelectAll(region);
      Type(region, "12");
    });
  });
  EXPECT_EQ(caption, "Erweitert");
  EXPECT_EQ(useBios, "&BIOS-Adressen nutzen");
  EXPECT_EQ(Stored(),
            With(With(before, kPllFor60), {{kClockSpeed, Dword(60)}, {"PhysicalAddress.Region0", Dword(0x12)}}));
}

}  // namespace
}  // namespace vexel::test
