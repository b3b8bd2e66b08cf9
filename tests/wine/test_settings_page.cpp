// The Settings page in a running sheet on the simulated board, driven through
// its real controls: choices, the desktop-area scroll bar, the adapter type
// with the card question, both list dialogs, painting and the keyboard.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <tuple>
#include <functional>
#include <string>
#include <vector>

#include "app/property_sheet.h"
#include "modes/application_presets.h"
#include "resource.h"
#include "store/settings_key.h"
#include "support/gdi_count.h"
#include "support/message_boxes.h"
#include "support/page_controls.h"
#include "support/simulated_board_test.h"
#include "support/ui_driver.h"
#include "win/wnd.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr int kApplyButton = 0x3021;
constexpr LPARAM kAltHeld = 1 << 29;

bool InGerman() { return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_GERMAN; }
std::string ModeListCaption() { return InGerman() ? "Aktueller Adapter" : "Current Adapter"; }
std::string ApplicationsCaption() { return InGerman() ? "Anwendungen" : "Applications"; }
std::string CardCaption() { return InGerman() ? "Vexelworks-Karte" : "Vexelworks  Card"; }
char YesKey() { return InGerman() ? 'j' : 'y'; }

std::string Selected(HWND combo) {
  const auto index = static_cast<size_t>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
  const auto items = ComboItems(combo);
  return index < items.size() ? items[index] : "<none>";
}

// What the user sees on the page.
struct View {
  std::string area, color, refresh, adapter;
  std::vector<std::string> colors, refreshes, adapters;
  int thumb = -1, last = -1;
  bool modified = false, applications = false;
};

View Look(HWND page) {
  View v;
  v.area = ChildText(page, IDC_SETTINGS_DESKTOP_AREA_TEXT);
  for (auto [id, selected, items] : {std::tuple{IDC_SETTINGS_COLOR, &v.color, &v.colors},
                                     {IDC_SETTINGS_REFRESH, &v.refresh, &v.refreshes},
                                     {IDC_SETTINGS_ADAPTER_TYPE, &v.adapter, &v.adapters}}) {
    *selected = Selected(::GetDlgItem(page, id));
    *items = ComboItems(::GetDlgItem(page, id));
  }
  HWND scroll = ::GetDlgItem(page, IDC_SETTINGS_DESKTOP_AREA);
  int first = 0;
  ::GetScrollRange(scroll, SB_CTL, &first, &v.last);
  v.thumb = ::GetScrollPos(scroll, SB_CTL);
  v.modified = ::IsWindowEnabled(::GetDlgItem(::GetParent(page), kApplyButton)) != FALSE;
  v.applications = ::IsWindowEnabled(::GetDlgItem(page, IDC_SETTINGS_LIST_APPLICATIONS)) != FALSE;
  return v;
}

// Selects a combo box item as the user does: the selection, then the notification.
void Pick(HWND page, int id, const std::string& text) {
  HWND combo = ::GetDlgItem(page, id);
  ::SendMessageA(combo, CB_SETCURSEL,
                 ::SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(text.c_str())), 0);
  Notify(page, id, CBN_SELCHANGE);
}

void Scroll(HWND page, int code, int position = 0) {
  ::SendMessageA(page, WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_SETTINGS_DESKTOP_AREA)));
}

// A key typed into the window that has the focus.
void Type(const UiDriver& ui, UINT message, WPARAM key, LPARAM flags = 0) {
  HWND focus = nullptr;
  ui.OnUi([&] { focus = ::GetFocus(); });
  ::PostMessageA(focus, message, key, flags);
}

int FocusId(const UiDriver& ui) {
  int id = 0;
  ui.OnUi([&] { id = ::GetDlgCtrlID(::GetFocus()); });
  return id;
}

class SettingsPage : public SimulatedBoardTest {
 protected:
  using Script = std::function<void(const UiDriver&, CMyPropertySheet&, HWND page)>;

  void SetUp() override {
    // The German run (tests/wine/CMakeLists.txt) says which language it expects.
    const char* language = std::getenv("VEXEL_EXPECT_UI_LANGUAGE");
    if (language) {
      ASSERT_EQ(::GetUserDefaultUILanguage(), std::strtoul(language, nullptr, 16))
          << "Wine chose another language: tools/setup-packages.sh makes the de_DE.UTF-8 locale";
    }
  }

  // Runs the sheet, the script against its Settings page, then Cancel.
  static void Run(CMyPropertySheet& sheet, const Script& script) {
    UiDriver ui;
    ui.Start([&](UiDriver& driver) {
      if (driver.WaitForWindow("VexelPanel")) {
        HWND page = nullptr;
        driver.OnUi([&] { page = SheetPages(sheet).settings.GetSafeHwnd(); });
        script(driver, sheet, page);
      }
      sheet.PressButton(PSBTN_CANCEL);
    });
    sheet.DoModal();
    ui.Join();
  }

  const DisplayMode kStartup{15, 1024, 768, 60};
};

TEST_F(SettingsPage, KiteShowsItsChoicesInTextOrderAndTheCurrentModeWithoutMarkingIt) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  View v;
  bool sampleShown = false;
  std::vector<int> fits;
  RECT frame{0, 0, 87, 14}, sample{};  // the template's size of the sample
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      v = Look(page);
      sampleShown = ::SendDlgItemMessageA(page, IDC_SETTINGS_COLOR_SAMPLE, STM_GETIMAGE, IMAGE_BITMAP, 0) != 0;
      ::MapDialogRect(page, &frame);
      ::GetClientRect(::GetDlgItem(page, IDC_SETTINGS_COLOR_SAMPLE), &sample);
      // Each list drops down far enough to show every item.
      for (int id : {IDC_SETTINGS_ADAPTER_TYPE, IDC_SETTINGS_COLOR, IDC_SETTINGS_REFRESH}) {
        HWND combo = ::GetDlgItem(page, id);
        RECT dropped{}, closed{};
        ::SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        ::GetWindowRect(combo, &closed);
        const auto needed = ::SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0) * ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
        fits.push_back(dropped.bottom - closed.bottom >= needed ? 1 : 0);
      }
    });
  });
  EXPECT_EQ(v.adapters, (std::vector<std::string>{"VexelHawk", "VexelKite"}));
  EXPECT_EQ(v.adapter, "VexelKite");
  EXPECT_EQ(v.colors, (std::vector<std::string>{"256 Colors", "32768 Colors", "True Color"}));
  EXPECT_EQ(v.refreshes, (std::vector<std::string>{"60 Hertz", "70 Hertz", "72 Hertz", "75 Hertz"}));
  EXPECT_EQ(v.color, "32768 Colors");
  EXPECT_EQ(v.refresh, "60 Hertz");
  EXPECT_EQ(v.last, 3);
  EXPECT_EQ(v.thumb, 2);
  EXPECT_EQ(v.area, "1024 by 768");
  EXPECT_FALSE(v.modified);
  EXPECT_TRUE(v.applications);
  EXPECT_TRUE(sampleShown);
  EXPECT_TRUE(::EqualRect(&sample, &frame))
      << "the sample covers its frame, not " << sample.right << " x " << sample.bottom;
  EXPECT_EQ(fits, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(SheetPages(sheet).settings.CurrentMode(), kStartup);
}

// Each step starts where the one before ended.
TEST_F(SettingsPage, ScrollingMovesTheWidthAndFitsTheRestOnKite) {
  struct Step {
    int code, carried;
    DisplayMode expected;
    const char* color;
  };
  const Step steps[] = {
      {SB_LINERIGHT, 0, {8, 1280, 1024, 75}, "256 Colors"},  // only 8 bpp at 1280: the highest refresh
      {SB_THUMBTRACK, 1, {8, 800, 600, 75}, "256 Colors"},
      {SB_LEFT, 0, {8, 640, 480, 60}, "256 Colors"},
      {SB_ENDSCROLL, 0, {8, 640, 480, 60}, "256 Colors"},
  };
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  std::vector<DisplayMode> modes;
  std::vector<View> views;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet& s, HWND page) {
    ui.OnUi([&] { Pick(page, IDC_SETTINGS_REFRESH, "75 Hertz"); });
    ui.OnUi([&] { modes.push_back(SheetPages(s).settings.CurrentMode()); });
    for (const Step& step : steps) {
      ui.OnUi([&] {
        Scroll(page, step.code, step.carried);
        modes.push_back(SheetPages(s).settings.CurrentMode());
        views.push_back(Look(page));
      });
    }
  });
  ASSERT_EQ(modes.size(), 5u);
  EXPECT_EQ(modes[0], (DisplayMode{15, 1024, 768, 75}));
  for (size_t i = 0; i < std::size(steps); ++i) {
    EXPECT_EQ(modes[i + 1], steps[i].expected) << i;
    EXPECT_EQ(views[i].color, steps[i].color) << i;
    EXPECT_TRUE(views[i].modified) << i;
  }
  EXPECT_EQ(views[0].area, "1280 by 1024");
  EXPECT_EQ(views[0].thumb, 3);
}

TEST_F(SettingsPage, PickingVexelHawkRefillsFromItsTableWithFiveDesktopAreas) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  View v;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      Pick(page, IDC_SETTINGS_ADAPTER_TYPE, "VexelHawk");
      v = Look(page);
    });
  });
  EXPECT_EQ(sheet.State().ModeCatalogue.size(), 42u);
  EXPECT_EQ(SheetPages(sheet).settings.DesktopAreaWidths, (std::vector<int32_t>{640, 800, 1024, 1152, 1280}));
  EXPECT_EQ(v.last, 4);
  EXPECT_EQ(v.adapter, "VexelHawk");
  EXPECT_EQ(v.colors, (std::vector<std::string>{"256 Colors", "32768 Colors", "True Color"}));
  EXPECT_TRUE(v.modified);
  EXPECT_EQ(SheetPages(sheet).settings.CurrentMode(), kStartup);
}

// With a card name set, the question comes first; "No" (Escape alike) keeps
// everything as it was, "Yes" goes on to the other table.
TEST_F(SettingsPage, TheCardQuestionDecidesWhetherTheAdapterTypeChanges) {
  struct Answer {
    bool yes;
    const char* adapter;
    size_t modes;
  };
  for (const Answer answer : {Answer{false, "VexelKite", 25}, Answer{true, "VexelHawk", 42}}) {
    CMyPropertySheet sheet(PanelCommandLine("-n -s VexelKite"), Board("kite"));
    View before, after;
    std::vector<std::string> texts;
    Run(sheet, [&](const UiDriver& ui, CMyPropertySheet&, HWND page) {
      // The mark reaches the sheet once the page's window is known to it.
      PollUntil(std::chrono::seconds(5), [&] {
        ui.OnUi([&] { before = Look(page); });
        return before.modified;
      });
      ui.OnUi([&] { ::SendDlgItemMessageA(page, IDC_SETTINGS_ADAPTER_TYPE, CB_SETCURSEL, 0, 0); });
      ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_SETTINGS_ADAPTER_TYPE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_SETTINGS_ADAPTER_TYPE)));
      HWND question = ui.WaitForWindow(CardCaption());
      ASSERT_NE(question, nullptr);
      RECT asked{}, sheetRect{};
      ::GetWindowRect(question, &asked);
      ::GetWindowRect(::GetParent(page), &sheetRect);
      EXPECT_EQ(::GetWindow(question, GW_OWNER), ::GetParent(page));
      EXPECT_NEAR(asked.left + asked.right, sheetRect.left + sheetRect.right, 2) << "centred over the sheet";
      EXPECT_NEAR(asked.top + asked.bottom, sheetRect.top + sheetRect.bottom, 2);
      // The first child is the icon.
      for (HWND c = ::GetWindow(::GetWindow(question, GW_CHILD), GW_HWNDNEXT); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        texts.push_back(win::WindowText(c));
      }
      Type(ui, WM_SYSCHAR, answer.yes ? YesKey() : 'n', kAltHeld);
      EXPECT_TRUE(Closes(question));
      ui.OnUi([&] { after = Look(page); });
    });
    if (!InGerman()) {
      EXPECT_EQ(texts, (std::vector<std::string>{"You selected  a card which is different from the card you "
                                                 "currently have or are installing.",
                                                 "Do you want to continue?", "&Yes", "&No"}));
    }
    EXPECT_TRUE(before.modified) << "a card name marks the page at once";
    EXPECT_FALSE(before.applications);
    EXPECT_EQ(after.adapter, answer.adapter);
    EXPECT_EQ(sheet.State().ModeCatalogue.size(), answer.modes);
    EXPECT_EQ(SheetPages(sheet).settings.CurrentMode(), kStartup);
    if (!answer.yes) {
      EXPECT_EQ(after.last, before.last);
    }
  }
}

TEST_F(SettingsPage, ApplicationsAreOfferedOnlyForTheSupportedVendor) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("hawk"));
  sheet.State().m_DriverInfo.bytes[DriverInfoReply::kVendorIdOffset] = 0x4C;  // 0x3D4C
  View v;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet&, HWND page) { ui.OnUi([&] { v = Look(page); }); });
  EXPECT_FALSE(v.applications);
}

TEST_F(SettingsPage, WithoutChoicesScrollingAndEmptySelectionsChangeNothing) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  std::vector<DisplayMode> modes;
  bool modified = true;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet& s, HWND page) {
    ui.OnUi([&] {
      for (int id : {IDC_SETTINGS_COLOR, IDC_SETTINGS_REFRESH}) {
        ::SendDlgItemMessageA(page, id, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        Notify(page, id, CBN_SELCHANGE);
        modes.push_back(SheetPages(s).settings.CurrentMode());
      }
      s.State().ModeCatalogue.clear();
      SheetPages(s).settings.SetCurrentMode({32, 1600, 1200, 85});
      SheetPages(s).settings.RebuildModeControls();
      for (int code : {SB_LINELEFT, SB_LINERIGHT, SB_PAGERIGHT, SB_THUMBTRACK, SB_LEFT, SB_RIGHT, SB_ENDSCROLL}) {
        Scroll(page, code, 1);
        modes.push_back(SheetPages(s).settings.CurrentMode());
      }
      modified = Look(page).modified;
    });
  });
  ASSERT_EQ(modes.size(), 9u);
  EXPECT_EQ(modes[0], kStartup);
  EXPECT_EQ(modes[1], kStartup);
  for (size_t i = 2; i < modes.size(); ++i) EXPECT_EQ(modes[i], kStartup) << "the fallback stays, scroll " << i;
  EXPECT_FALSE(modified);
}

TEST_F(SettingsPage, TheModeListShowsEveryModeInTextOrderAndOnlyOkTakesOne) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  sheet.FillModeCatalogue("VEXELKITE");
  std::vector<std::string> lines;
  int selectedAtFirst = 0, focusAfterMnemonic = 0;
  std::vector<DisplayMode> modes;
  std::vector<bool> modified;
  const auto note = [&](const UiDriver& ui, CMyPropertySheet& s, HWND page) {
    ui.OnUi([&] {
      modes.push_back(SheetPages(s).settings.CurrentMode());
      modified.push_back(Look(page).modified);
    });
  };
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet& s, HWND page) {
    HWND list = OpenDialog(ui, page, IDC_SETTINGS_LIST_MODES, ModeListCaption());
    ASSERT_NE(list, nullptr);
    ui.OnUi([&] {
      lines = ListItems(::GetDlgItem(list, IDC_MODE_LIST_MODES));
      selectedAtFirst = static_cast<int>(::SendDlgItemMessageA(list, IDC_MODE_LIST_MODES, LB_GETCURSEL, 0, 0));
    });
    ui.OnUi([&] { ::SetFocus(::GetDlgItem(list, IDOK)); });
    Type(ui, WM_SYSCHAR, 'l', kAltHeld);
    PollUntil(std::chrono::seconds(5), [&] { return FocusId(ui) == IDC_MODE_LIST_MODES; });
    focusAfterMnemonic = FocusId(ui);
    Type(ui, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(Closes(list));
    note(ui, s, page);
    list = OpenDialog(ui, page, IDC_SETTINGS_LIST_MODES, ModeListCaption());
    ui.OnUi([&] { ::SendMessageA(list, WM_COMMAND, IDOK, 0); });  // nothing selected
    EXPECT_TRUE(Closes(list));
    note(ui, s, page);
    list = OpenDialog(ui, page, IDC_SETTINGS_LIST_MODES, ModeListCaption());
    ui.OnUi([&] {
      HWND box = ::GetDlgItem(list, IDC_MODE_LIST_MODES);
      ::SendMessageA(box, LB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>("800 by 600 Pixels, True Color, 75 Hertz"));
      Notify(list, IDC_MODE_LIST_MODES, LBN_DBLCLK);
    });
    EXPECT_TRUE(Closes(list));
    note(ui, s, page);
  });
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines.front(), "1024 by 768 Pixels, 256 Colors, 60 Hertz");
  EXPECT_EQ(lines[7], "1024 by 768 Pixels, 32768 Colors, 75 Hertz");
  EXPECT_EQ(lines[8].substr(0, 4), "1280");
  EXPECT_EQ(lines[12].substr(0, 3), "640");
  EXPECT_EQ(lines[17], "800 by 600 Pixels, 32768 Colors, 60 Hertz");
  EXPECT_EQ(lines.back(), "800 by 600 Pixels, True Color, 75 Hertz");
  EXPECT_EQ(selectedAtFirst, LB_ERR);
  EXPECT_EQ(focusAfterMnemonic, IDC_MODE_LIST_MODES);
  ASSERT_EQ(modes.size(), 3u);
  EXPECT_EQ(modes[0], kStartup);
  EXPECT_EQ(modes[1], kStartup);
  EXPECT_EQ(modes[2], (DisplayMode{32, 800, 600, 75}));
  EXPECT_EQ(modified, (std::vector<bool>{false, false, true}));
}

// The board switches while "Current Adapter" is open; the list is cancelled,
// and the page then shows, and applies, the depth the user had picked.
TEST_F(SettingsPage, ADisplayChangeUnderTheModeListWaitsForItAndKeepsTheChoice) {
  Seams seams = Board("kite,changingmodes");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  std::vector<size_t> catalogue;
  std::vector<DisplayMode> modes;
  std::string color;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet& s, HWND page) {
    const auto note = [&] {
      ui.FocusWhenSettled();
      ui.OnUi([&] {
        catalogue.push_back(s.State().ModeCatalogue.size());
        modes.push_back(SheetPages(s).settings.CurrentMode());
      });
    };
    ui.OnUi([&] { Pick(page, IDC_SETTINGS_COLOR, "256 Colors"); });
    HWND list = OpenDialog(ui, page, IDC_SETTINGS_LIST_MODES, ModeListCaption());
    ASSERT_NE(list, nullptr);
    ui.OnUi([&] { seams.display->ChangeMode({32, 800, 600, 75}, false); });
    note();
    Type(ui, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(Closes(list));
    note();
    ui.OnUi([&] {
      color = ChildText(page, IDC_SETTINGS_COLOR);
      s.PressButton(PSBTN_APPLYNOW);
    });
    ui.FocusWhenSettled();
  });
  const DisplayMode picked{8, 1024, 768, 60};
  EXPECT_EQ(catalogue, (std::vector<size_t>{26, 29})) << "refilled once the list closed";
  EXPECT_EQ(modes, (std::vector<DisplayMode>{picked, picked}));
  EXPECT_EQ(color, "256 Colors");
  RegKey key;
  seams.registry->OpenKey(Hive::LocalMachine, "System\\CurrentControlSet\\Services\\Vexel3D\\Device0", key);
  uint32_t type = 0, size = 4, depth = 0;
  key.QueryValue("DefaultSettings.BitsPerPel", &type, &depth, &size);
  EXPECT_EQ(std::tie(type, size, depth), std::make_tuple(kRegDword, 4u, 8u)) << "the choice applied";
}

TEST_F(SettingsPage, EqualModeLinesBothPickTheFirstOfThem) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  sheet.State().ModeCatalogue = {{8, 800, 600, 1}, {16, 640, 480, 60}, {8, 800, 600, 0}};
  std::vector<std::string> lines;
  DisplayMode chosen{};
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet& s, HWND page) {
    HWND list = OpenDialog(ui, page, IDC_SETTINGS_LIST_MODES, ModeListCaption());
    ASSERT_NE(list, nullptr);
    ui.OnUi([&] {
      lines = ListItems(::GetDlgItem(list, IDC_MODE_LIST_MODES));
      ::SendDlgItemMessageA(list, IDC_MODE_LIST_MODES, LB_SETCURSEL, 2, 0);
      ::SendMessageA(list, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(Closes(list));
    ui.OnUi([&] { chosen = SheetPages(s).settings.CurrentMode(); });
  });
  EXPECT_EQ(lines, (std::vector<std::string>{"640 by 480 Pixels, 65536 Colors, 60 Hertz",
                                             "800 by 600 Pixels, 256 Colors, Hardware default refresh",
                                             "800 by 600 Pixels, 256 Colors, Hardware default refresh"}));
  EXPECT_EQ(chosen, (DisplayMode{8, 800, 600, 1}));
}

// 8 MB, 24-bit local buffer: the second variant.
TEST_F(SettingsPage, TheApplicationListKeepsTheSeparatorAndHandsBackTheChosenRow) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("hawk,8mb,lb24"));
  std::vector<std::string> lines;
  int selectedAtFirst = 0;
  bool openAfterSeparator = false, modifiedAfterEscape = true;
  DisplayMode afterEscape{};
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet& s, HWND page) {
    HWND dialog = OpenDialog(ui, page, IDC_SETTINGS_LIST_APPLICATIONS, ApplicationsCaption());
    ASSERT_NE(dialog, nullptr);
    Type(ui, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(Closes(dialog));
    ui.OnUi([&] {
      afterEscape = SheetPages(s).settings.CurrentMode();
      modifiedAfterEscape = Look(page).modified || SheetPages(s).settings.m_bAppSettingsPending;
    });
    dialog = OpenDialog(ui, page, IDC_SETTINGS_LIST_APPLICATIONS, ApplicationsCaption());
    ui.OnUi([&] {
      HWND list = ::GetDlgItem(dialog, IDC_APPLICATION_LIST_ROWS);
      lines = ListItems(list);
      selectedAtFirst = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
      ::SendMessageA(list, LB_SETCURSEL, kApplicationPresetSeparator, 0);
      ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);
      Notify(dialog, IDC_APPLICATION_LIST_ROWS, LBN_DBLCLK);
      openAfterSeparator = ::IsWindowVisible(dialog) != FALSE;
      ::SendMessageA(list, LB_SETCURSEL, 1, 0);  // AutoCAD
      ::SetFocus(list);
    });
    Type(ui, WM_KEYDOWN, VK_RETURN);
    EXPECT_TRUE(Closes(dialog));
  });
  ASSERT_EQ(lines.size(), 12u);
  EXPECT_EQ(lines[1], "AutoCAD");
  EXPECT_EQ(lines[9], "");
  EXPECT_EQ(lines[11], "Minimal Configuration");
  EXPECT_EQ(selectedAtFirst, LB_ERR);
  EXPECT_EQ(afterEscape, kStartup);
  EXPECT_FALSE(modifiedAfterEscape);
  EXPECT_TRUE(openAfterSeparator);
  EXPECT_EQ(SheetPages(sheet).settings.CurrentMode(), (DisplayMode{15, 1280, 1024, 60})) << "refresh 0 keeps 60";
  EXPECT_TRUE(SheetPages(sheet).settings.m_bAppSettingsPending);
  EXPECT_STREQ(SheetPages(sheet).settings.m_AppSettings.name, "AutoCAD");
  EXPECT_EQ(SheetPages(sheet).settings.m_AppSettings.numberOfDmaSubBuffers, 5);
}

// 8 MB, 32-bit local buffer: the fourth variant, stored as the driver keeps it.
TEST_F(SettingsPage, TheStoredApplicationIsPreselectedAndADoubleClickTakesARow) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("hawk,8mb,lb32"));
  WriteFailures failures;
  SettingsKey key(*sheet.GetSeams().registry, sheet.State().m_strRegistryPath);
  StoreAppSettings(key, ApplicationPresets[3][4].settings, failures);
  ASSERT_TRUE(failures.Empty());
  int preselected = -1;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet&, HWND page) {
    HWND dialog = OpenDialog(ui, page, IDC_SETTINGS_LIST_APPLICATIONS, ApplicationsCaption());
    ASSERT_NE(dialog, nullptr);
    ui.OnUi([&] {
      HWND list = ::GetDlgItem(dialog, IDC_APPLICATION_LIST_ROWS);
      preselected = static_cast<int>(::SendMessageA(list, LB_GETCURSEL, 0, 0));
      ::SendMessageA(list, LB_SETCURSEL, 11, 0);
      Notify(dialog, IDC_APPLICATION_LIST_ROWS, LBN_DBLCLK);
    });
    EXPECT_TRUE(Closes(dialog));
  });
  EXPECT_EQ(preselected, 4) << "Microsoft Softimage 3D";
  EXPECT_EQ(SheetPages(sheet).settings.CurrentMode(), (DisplayMode{8, 1024, 768, 60}));
  EXPECT_STREQ(SheetPages(sheet).settings.m_AppSettings.name, "Minimal Configuration");
}

// The strips are loaded once each: repaints and depth changes add no GDI
// object, and a repaint of the page leaves an unchanged sample alone.
TEST_F(SettingsPage, TheSampleNeitherLeaksNorFlickersAndPaintingSettles) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  unsigned long before = 0, afterRepaints = 0, afterChanges = 0;
  int samplePaints = -1;
  bool pending = true;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      const char* colors[] = {"256 Colors", "True Color", "32768 Colors"};
      for (const char* color : colors) Pick(page, IDC_SETTINGS_COLOR, color);
      HWND sample = ::GetDlgItem(page, IDC_SETTINGS_COLOR_SAMPLE);
      // The playing clip makes and frees objects of its own as it draws.
      ::SendDlgItemMessageA(page, IDC_SETTINGS_ANIMATION, ACM_STOP, 0, 0);
      // What painting makes on first use is there before counting.
      for (int i = 0; i < 10; ++i) {
        ::InvalidateRect(page, nullptr, TRUE);
        ::UpdateWindow(page);
      }
      before = GdiObjectCount();
      static int paints;
      paints = 0;
      const SUBCLASSPROC counter = [](HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) -> LRESULT {
        if (m == WM_PAINT) ++paints;
        return ::DefSubclassProc(h, m, w, l);
      };
      ::SetWindowSubclass(sample, counter, 1, 0);
      // A part of the page away from the sample: only the page repaints.
      const RECT corner{0, 0, 8, 8};
      for (int i = 0; i < 1000; ++i) {
        ::InvalidateRect(page, &corner, TRUE);
        ::UpdateWindow(page);
      }
      samplePaints = paints;
      ::RemoveWindowSubclass(sample, counter, 1);
      pending = ::GetUpdateRect(page, nullptr, FALSE) || ::GetUpdateRect(sample, nullptr, FALSE);
      afterRepaints = GdiObjectCount();
      for (int i = 0; i < 1000; ++i) Pick(page, IDC_SETTINGS_COLOR, colors[i % 3]);
      afterChanges = GdiObjectCount();
    });
  });
  std::printf("GDI objects: %lu before, %lu after 1,000 repaints, %lu after 1,000 depth changes\n", before,
              afterRepaints, afterChanges);
  EXPECT_NE(before, 0u);
  EXPECT_EQ(afterRepaints, before);
  EXPECT_EQ(afterChanges, before);
  EXPECT_EQ(samplePaints, 0);
  EXPECT_FALSE(pending);
}

TEST_F(SettingsPage, MnemonicsReachEachControlAndTabFollowsTheLayout) {
  struct Mnemonic {
    char key;
    int focus;
  };
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite"));
  std::vector<int> tabOrder, reached;
  bool modesOpened = false, applicationsOpened = false;
  Run(sheet, [&](const UiDriver& ui, CMyPropertySheet&, HWND page) {
    ui.OnUi([&] {
      HWND control = ::GetDlgItem(page, IDC_SETTINGS_ADAPTER_TYPE);
      for (int i = 0; i < 6; ++i, control = ::GetNextDlgTabItem(page, control, FALSE)) {
        tabOrder.push_back(::GetDlgCtrlID(control));
      }
      ::SetFocus(::GetDlgItem(page, IDC_SETTINGS_REFRESH));
    });
    for (const Mnemonic m : {Mnemonic{'t', IDC_SETTINGS_ADAPTER_TYPE},
                             {'p', IDC_SETTINGS_COLOR},
                             {'d', IDC_SETTINGS_DESKTOP_AREA},
                             {'r', IDC_SETTINGS_REFRESH},
                             {'v', IDC_SETTINGS_ADAPTER_TYPE}}) {
      Type(ui, WM_SYSCHAR, static_cast<WPARAM>(m.key), kAltHeld);
      PollUntil(std::chrono::seconds(5), [&] { return FocusId(ui) == m.focus; });
      reached.push_back(FocusId(ui));
    }
    for (auto [key, caption, opened] : {std::tuple{'l', ModeListCaption(), &modesOpened},
                                        std::tuple{'a', ApplicationsCaption(), &applicationsOpened}}) {
      Type(ui, WM_SYSCHAR, static_cast<WPARAM>(key), kAltHeld);
      HWND dialog = ui.WaitForWindow(caption, std::chrono::seconds(10));
      *opened = dialog != nullptr;
      if (!dialog) continue;
      Type(ui, WM_KEYDOWN, VK_ESCAPE);
      Closes(dialog);
    }
  });
  EXPECT_EQ(tabOrder,
            (std::vector<int>{IDC_SETTINGS_ADAPTER_TYPE, IDC_SETTINGS_COLOR, IDC_SETTINGS_DESKTOP_AREA,
                              IDC_SETTINGS_REFRESH, IDC_SETTINGS_LIST_MODES, IDC_SETTINGS_LIST_APPLICATIONS}));
  EXPECT_EQ(reached, (std::vector<int>{IDC_SETTINGS_ADAPTER_TYPE, IDC_SETTINGS_COLOR, IDC_SETTINGS_DESKTOP_AREA,
                                       IDC_SETTINGS_REFRESH, IDC_SETTINGS_ADAPTER_TYPE}));
  EXPECT_TRUE(modesOpened);
  EXPECT_TRUE(applicationsOpened);
}

}  // namespace
}  // namespace vexel::test
