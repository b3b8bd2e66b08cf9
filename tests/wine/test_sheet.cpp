// The property sheet's start-up on the simulated board: the page table, the
// per-maker key, the OpenGL text, the hidden Advanced page gesture, the icon
// and a display change while the sheet is open.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/property_sheet.h"
#include "core/exit_status.h"
#include "modes/mode_tables.h"
#include "shared/memory_registry.h"
#include "sim/simulated_board_config.h"
#include "store/version_strings.h"
#include "support/message_boxes.h"
#include "support/simulated_board_test.h"
#include "support/ui_driver.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr const char* kNotProbed = "Not Retrieved: -nogl specified";
constexpr const char* kDeviceKey = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";

std::vector<const win::CPropertyPage*> Pages(const CMyPropertySheet& sheet) {
  std::vector<const win::CPropertyPage*> pages;
  for (int i = 0; i < sheet.GetPageCount(); ++i) pages.push_back(sheet.GetPage(i));
  return pages;
}

class SheetStartup : public SimulatedBoardTest {
 protected:
  // The per-maker key's value exactly as stored: type and bytes.
  static std::pair<uint32_t, std::string> Remembered(Registry& registry, const char* name) {
    RegKey key;
    if (registry.OpenKey(Hive::LocalMachine, OwnPerMakerKeyPath().value_or(""), key) != kOk) return {0, "<no key>"};
    uint32_t type = 0;
    uint32_t size = 0;
    if (key.QueryValue(name, &type, nullptr, &size) != kOk) return {0, "<no value>"};
    std::string bytes(size, '\0');
    key.QueryValue(name, &type, bytes.data(), &size);
    return {type, bytes};
  }
  static void Remember(Registry& registry, const std::string& card, const std::string& path) {
    RegKey key;
    ASSERT_EQ(registry.CreateKey(Hive::LocalMachine, OwnPerMakerKeyPath().value_or(""), key), kOk);
    WriteText(key, "InstalledCard", card);
    WriteText(key, "RegistryPath", path);
  }
};

TEST_F(SheetStartup, ADriverThatAnswersGivesThreePagesOpeningOnSettingsAndLeavesTheKeyAlone) {
  Seams seams = Board("hawk");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  EXPECT_TRUE(sheet.State().m_bDriverAnswered);
  EXPECT_EQ(sheet.State().m_strDeviceKey, kDeviceKey);
  EXPECT_EQ(sheet.State().m_strRegistryPath, kDeviceKey);
  EXPECT_EQ(sheet.State().m_dwMemorySize, 8u << 20);
  EXPECT_EQ(sheet.State().m_DriverInfo.VendorId(), 0x3D3Du);
  EXPECT_EQ(Pages(sheet),
            (std::vector<const win::CPropertyPage*>{&SheetPages(sheet).about, &SheetPages(sheet).settings, &SheetPages(sheet).settings3d}));
  EXPECT_EQ(sheet.GetActivePage(), &SheetPages(sheet).settings);
  EXPECT_EQ(Remembered(*seams.registry, "InstalledCard").second, "<no key>");
  EXPECT_EQ(sheet.State().m_strOpenGL, kNotProbed);
  EXPECT_EQ(sheet.ExitStatus(), kExitOk);
}

TEST_F(SheetStartup, ABoardNameIsRememberedWithTheSettingsKeyByteForByte) {
  Seams seams = Board("kite,noanswer");
  CMyPropertySheet sheet(PanelCommandLine("-s VexelHawk -p System\\MixedCase\\Key -n"), seams);
  EXPECT_EQ(sheet.State().m_strCardName, "VEXELHAWK");
  EXPECT_EQ(sheet.State().m_strRegistryPath, "System\\MixedCase\\Key");
  EXPECT_EQ(Remembered(*seams.registry, "InstalledCard"), std::make_pair(kRegSz, std::string("VEXELHAWK\0", 10)));
  EXPECT_EQ(Remembered(*seams.registry, "RegistryPath"),
            std::make_pair(kRegSz, std::string("System\\MixedCase\\Key\0", 21)));
  EXPECT_EQ(sheet.State().ModeCatalogue.size(), 42u);  // the VexelHawk table, not the driver's modes
  EXPECT_EQ(sheet.GetPageCount(), 3);
  EXPECT_EQ(sheet.GetActivePage(), &SheetPages(sheet).settings);
}

TEST_F(SheetStartup, ANameWithoutPathOrAnswerStoresAnEmptyPathThatALaterRunCannotUse) {
  Seams seams = Board("kite,noanswer");
  {
    CMyPropertySheet first(PanelCommandLine("-s foo -n"), seams);
    EXPECT_EQ(first.GetPageCount(), 3);
    EXPECT_EQ(first.State().ModeCatalogue.size(), 26u);  // the driver's own list, one mode twice
  }
  EXPECT_EQ(Remembered(*seams.registry, "RegistryPath"), std::make_pair(kRegSz, std::string("\0", 1)));
  CMyPropertySheet later(PanelCommandLine("-n"), seams);
  EXPECT_EQ(later.State().m_strCardName, "FOO");
  EXPECT_EQ(later.State().m_strRegistryPath, "");
  EXPECT_EQ(Pages(later), (std::vector<const win::CPropertyPage*>{&SheetPages(later).about}));
  EXPECT_EQ(later.GetActivePage(), &SheetPages(later).about);
}

TEST_F(SheetStartup, NothingAnsweringAndNothingRememberedGivesTheAboutPageOnly) {
  Seams seams = Board("hawk,no2050");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  EXPECT_FALSE(sheet.State().m_bDriverAnswered);  // 2067 without 2050 does not count
  EXPECT_EQ(sheet.State().m_DriverInfo.VendorId(), 0u);
  EXPECT_EQ(sheet.State().m_strRegistryPath, "");
  EXPECT_EQ(sheet.GetPageCount(), 1);
}

TEST_F(SheetStartup, WhatAnEarlierRunRememberedBringsTheThreePagesBack) {
  Seams seams = Board("kite,noanswer");
  Remember(*seams.registry, "VEXELKITE", kDeviceKey);
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  EXPECT_EQ(sheet.State().m_strCardName, "VEXELKITE");
  EXPECT_EQ(sheet.State().m_strRegistryPath, kDeviceKey);
  EXPECT_EQ(sheet.GetPageCount(), 3);
  EXPECT_EQ(sheet.GetActivePage(), &SheetPages(sheet).settings);
  // The catalogue at start-up follows switch S only: the driver's modes.
  EXPECT_EQ(sheet.State().ModeCatalogue.size(), 26u);
}

TEST_F(SheetStartup, AQuietRunShowsOnlyTheAboutPageButStillRemembersTheBoard) {
  Seams seams = Board("hawk");
  CMyPropertySheet sheet(PanelCommandLine("-S VexelHawk -P Some\\Key -q -n"), seams);
  EXPECT_TRUE(sheet.State().m_bQuiet);
  EXPECT_EQ(Pages(sheet), (std::vector<const win::CPropertyPage*>{&SheetPages(sheet).about}));
  EXPECT_EQ(sheet.GetActivePage(), &SheetPages(sheet).about);
  EXPECT_EQ(Remembered(*seams.registry, "InstalledCard").second, std::string("VEXELHAWK\0", 10));
}

TEST_F(SheetStartup, AFailedWriteOfThePerMakerKeyIsToldOrShowsInAQuietRunsExitStatus) {
  Seams seams = Board("hawk");
  auto refusing = std::make_shared<MemoryRegistry>();
  refusing->DenyWrites(Hive::LocalMachine, OwnPerMakerKeyPath().value_or(""));
  seams.registry = refusing;
  CMyPropertySheet quiet(PanelCommandLine("-s VexelKite -q -n"), seams);
  EXPECT_EQ(quiet.ExitStatus(), kExitPerMakerKeyFailed);

  UiDriver ui;
  std::string told;
  ui.Start([&](UiDriver& driver) { told = driver.AnswerMessageBox(); });
  CMyPropertySheet shown(PanelCommandLine("-s VexelKite -n"), seams);
  ui.Join();
  EXPECT_NE(told.find("could not be stored under HKEY_LOCAL_MACHINE\\" + OwnPerMakerKeyPath().value_or("")),
            std::string::npos)
      << told;
  EXPECT_EQ(shown.ExitStatus(), kExitPerMakerKeyFailed);
  EXPECT_EQ(shown.GetPageCount(), 3);
}

TEST_F(SheetStartup, TheProbeFillsTheOpenGLTextUnlessSwitchNSaysNo) {
  Seams seams = Board("hawk");
  CMyPropertySheet probed(PanelCommandLine(""), seams);
  EXPECT_NE(probed.State().m_strOpenGL, kNotProbed);
  EXPECT_NE(probed.State().m_strOpenGL, "");
  CMyPropertySheet skipped(PanelCommandLine("-nogl"), seams);
  EXPECT_EQ(skipped.State().m_strOpenGL, kNotProbed);
}

// Holds keys down in this thread's keyboard state, as GetKeyState sees it.
void HoldKeys(std::initializer_list<int> keys) {
  BYTE state[256] = {};
  for (int key : keys) state[key] = 0x80;
  ::SetKeyboardState(state);
}

// Under Wine the common controls activate the sheet before its messages reach
// the class, so the icons cannot wait for the first WM_ACTIVATE.
TEST_F(SheetStartup, TheSheetCarriesItsIconFromTheMomentItIsShown) {
  Seams seams = Board("hawk");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  UiDriver ui;
  HICON big = nullptr;
  HICON small = nullptr;
  ui.Start([&](UiDriver& driver) {
    HWND hwnd = driver.WaitForWindow("VexelPanel");
    ASSERT_NE(hwnd, nullptr);
    driver.OnUi([&] {
      big = reinterpret_cast<HICON>(::SendMessageA(hwnd, WM_GETICON, ICON_BIG, 0));
      small = reinterpret_cast<HICON>(::SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
    });
    sheet.PressButton(PSBTN_CANCEL);
  });
  sheet.DoModal();
  ui.Join();
  EXPECT_NE(SheetPages(sheet).icon, nullptr);
  EXPECT_EQ(big, SheetPages(sheet).icon);
  EXPECT_EQ(small, SheetPages(sheet).icon);
}

TEST_F(SheetStartup, ShiftAndCtrlOnAMouseActivationAddTheAdvancedPageOnce) {
  Seams seams = Board("hawk");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  UiDriver ui;
  std::vector<int> counts;
  HICON icon = nullptr;
  ui.Start([&](UiDriver& driver) {
    HWND hwnd = driver.WaitForWindow("VexelPanel");
    ASSERT_NE(hwnd, nullptr);
    auto gesture = [&](std::initializer_list<int> keys) {
      driver.OnUi([&] {
        HoldKeys(keys);
        ::SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
        counts.push_back(sheet.GetPageCount());
      });
    };
    gesture({VK_SHIFT});
    gesture({VK_CONTROL});
    driver.OnUi([&] {
      BYTE toggled[256] = {};
      toggled[VK_SHIFT] = toggled[VK_CONTROL] = 0x01;  // toggle bits only: not held
      ::SetKeyboardState(toggled);
      ::SendMessageA(hwnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
      counts.push_back(sheet.GetPageCount());
    });
    gesture({VK_SHIFT, VK_CONTROL});
    gesture({VK_SHIFT, VK_CONTROL});
    driver.OnUi([&] {
      EXPECT_EQ(sheet.GetPage(3), &SheetPages(sheet).advanced);
      EXPECT_EQ(TabCtrl_GetItemCount(PropSheet_GetTabControl(hwnd)), 4);
      EXPECT_EQ(sheet.GetActivePage(), &SheetPages(sheet).settings);
      HoldKeys({});
      ::SendMessageA(hwnd, WM_ACTIVATE, WA_ACTIVE, 0);
      icon = reinterpret_cast<HICON>(::SendMessageA(hwnd, WM_GETICON, ICON_SMALL, 0));
    });
    sheet.PressButton(PSBTN_CANCEL);
  });
  sheet.DoModal();
  ui.Join();
  EXPECT_EQ(counts, (std::vector<int>{3, 3, 3, 4, 4}));
  EXPECT_TRUE(SheetPages(sheet).advancedAdded);
  EXPECT_EQ(icon, SheetPages(sheet).icon);
  EXPECT_NE(icon, nullptr);
}

TEST_F(SheetStartup, ADisplayChangeRefillsTheCatalogueFromTheRememberedBoardAndShowsSettings) {
  Seams seams = Board("kite,noanswer");
  Remember(*seams.registry, "VEXELHAWK", kDeviceKey);
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  ASSERT_EQ(sheet.State().ModeCatalogue.size(), 26u);
  UiDriver ui;
  DisplayMode shown{};
  const CMyPropertyPage1* active = nullptr;
  ui.Start([&](UiDriver& driver) {
    ASSERT_NE(driver.WaitForWindow("VexelPanel"), nullptr);
    driver.OnUi([&] {
      sheet.SetActivePage(&SheetPages(sheet).about);
      // The simulated board switches and announces it to this program's windows.
      seams.display->ChangeMode({32, 800, 600, 75}, false);
    });
    // The catalogue is the UI thread's: read it there.
    PollUntil(std::chrono::seconds(10), [&] {
      std::size_t size = 0;
      driver.OnUi([&] { size = sheet.State().ModeCatalogue.size(); });
      return size == 42u;
    });
    driver.OnUi([&] {
      shown = SheetPages(sheet).settings.CurrentMode();
      active = sheet.GetActivePage() == &SheetPages(sheet).settings ? nullptr : &SheetPages(sheet).about;
    });
    sheet.PressButton(PSBTN_CANCEL);
  });
  sheet.DoModal();
  ui.Join();
  EXPECT_EQ(sheet.State().ModeCatalogue.size(), 42u);
  EXPECT_EQ(sheet.State().ModeCatalogue.front(), VexelHawkModes[0]);
  EXPECT_EQ(active, nullptr) << "the Settings page should be active";
  EXPECT_EQ(shown, (DisplayMode{32, 800, 600, 75}));
}

}  // namespace
}  // namespace vexel::test
