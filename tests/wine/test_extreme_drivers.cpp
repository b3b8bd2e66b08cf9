// The sheet on drivers with odd mode lists (none, one, 100,000 hostile ones,
// one that changes with every mode set): every page shows, the Settings
// page's controls and mode list work, apply ends, and a changed list reaches
// the mode list while the page's choices keep the list they were built from.
#include <windows.h>
#include <prsht.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "app/property_sheet.h"
#include "resource.h"
#include "support/message_boxes.h"
#include "support/page_controls.h"
#include "support/simulated_board_test.h"
#include "support/ui_driver.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr char kModeListCaption[] = "Current Adapter";
constexpr char kPromptCaption[] = "Display Driver Settings";

bool Listed(const ModeCatalogue& catalogue, const DisplayMode& mode) {
  return catalogue.empty() || std::ranges::find(catalogue, mode) != catalogue.end();
}

// What the user sees of the mode choices.
struct Choices {
  std::vector<std::string> colors, refreshes;
  int lastArea = -1;
  std::size_t lines = 0;
};

Choices LookAtChoices(HWND page) {
  Choices c{ComboItems(::GetDlgItem(page, IDC_SETTINGS_COLOR)), ComboItems(::GetDlgItem(page, IDC_SETTINGS_REFRESH))};
  int first = 0;
  ::GetScrollRange(::GetDlgItem(page, IDC_SETTINGS_DESKTOP_AREA), SB_CTL, &first, &c.lastArea);
  return c;
}

// Opens the mode list, counts its lines and picks the first; null when the
// list did not open.
HWND PickFirstListedMode(const UiDriver& ui, HWND page, std::size_t& lines) {
  HWND list = OpenDialog(ui, page, IDC_SETTINGS_LIST_MODES, kModeListCaption);
  if (!list) return nullptr;
  ui.OnUi([&] {
    lines = static_cast<std::size_t>(::SendDlgItemMessageA(list, IDC_MODE_LIST_MODES, LB_GETCOUNT, 0, 0));
    ::SendDlgItemMessageA(list, IDC_MODE_LIST_MODES, LB_SETCURSEL, 0, 0);
    ::SendMessageA(list, WM_COMMAND, IDOK, 0);
  });
  return list;
}

// One row per driver.
struct Driver {
  const char* name;
  const char* words;
  std::size_t modes;
};
void PrintTo(const Driver& driver, std::ostream* out) { *out << driver.words; }

class ExtremeDriver : public SimulatedBoardTest, public ::testing::WithParamInterface<Driver> {
 protected:
  // What one pass over the sheet saw.
  struct Seen {
    std::vector<bool> pagesShown;
    std::vector<int> thumbs;
    int lastArea = -1;
    std::vector<bool> modesListed;
    std::size_t lines = 0;
    bool listClosed = false, prompted = false;
    DisplayMode picked{};
  };

  // Every page, then each Settings control in turn, the mode list, Apply and OK.
  static void Walk(const UiDriver& ui, CMyPropertySheet& sheet, HWND hwnd, Seen& seen) {
    HWND page = nullptr;
    ui.OnUi([&] {
      MakeAdvancedGesture(hwnd);
      for (win::CPropertyPage* shown :
           std::initializer_list<win::CPropertyPage*>{&SheetPages(sheet).about, &SheetPages(sheet).settings, &SheetPages(sheet).settings3d,
                                                      &SheetPages(sheet).advanced, &SheetPages(sheet).settings}) {
        sheet.SetActivePage(shown);
        seen.pagesShown.push_back(::IsWindowVisible(shown->GetSafeHwnd()) != FALSE);
      }
      page = SheetPages(sheet).settings.GetSafeHwnd();
      const auto note = [&] {
        seen.modesListed.push_back(Listed(sheet.State().ModeCatalogue, SheetPages(sheet).settings.CurrentMode()));
      };
      for (int code : {SB_RIGHT, SB_LEFT}) {
        SendScroll(page, IDC_SETTINGS_DESKTOP_AREA, code);
        seen.thumbs.push_back(::GetScrollPos(::GetDlgItem(page, IDC_SETTINGS_DESKTOP_AREA), SB_CTL));
        seen.lastArea = std::max(0, static_cast<int>(SheetPages(sheet).settings.DesktopAreaWidths.size()) - 1);
        note();
      }
      for (int id : {IDC_SETTINGS_COLOR, IDC_SETTINGS_REFRESH}) {
        PickItem(page, id, static_cast<int>(::SendDlgItemMessageA(page, id, CB_GETCOUNT, 0, 0)) - 1);
        note();
      }
    });
    seen.listClosed = Closes(PickFirstListedMode(ui, page, seen.lines));
    ui.OnUi([&] { seen.picked = SheetPages(sheet).settings.CurrentMode(); });
    Apply(ui, hwnd, seen);
  }

  // The switch succeeds on the simulated board, so apply asks nothing. Once
  // no posted message waits, the apply and the display changes it announced
  // have run, or its prompt is up.
  static void Apply(const UiDriver& ui, HWND hwnd, Seen& seen) {
    ::PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    PollUntil(std::chrono::seconds(20), [&] {
      DWORD waiting = 1;
      ui.OnUi([&] { waiting = HIWORD(::GetQueueStatus(QS_POSTMESSAGE)); });
      return waiting == 0;
    });
    HWND prompt = ::FindWindowA(nullptr, kPromptCaption);
    seen.prompted = prompt != nullptr;
    if (prompt) ::PostMessageA(prompt, WM_COMMAND, IDCANCEL, 0);
    Closes(prompt);
  }
};

TEST_P(ExtremeDriver, EveryPageShowsTheControlsWorkAndApplyEnds) {
  Seams seams = Board(GetParam().words);
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  ASSERT_EQ(sheet.State().ModeCatalogue.size(), GetParam().modes);
  Seen seen;
  UiDriver ui;
  ui.Start([&](UiDriver& driver) {
    if (HWND hwnd = driver.WaitForWindow("VexelPanel")) Walk(driver, sheet, hwnd, seen);
    sheet.PressButton(PSBTN_OK);
  });
  sheet.DoModal();
  ui.Join();
  EXPECT_EQ(seen.pagesShown, std::vector<bool>(5, true));
  EXPECT_EQ(seen.thumbs, (std::vector<int>{seen.lastArea, 0}));
  EXPECT_EQ(seen.modesListed, std::vector<bool>(4, true)) << "every control moves to a listed mode";
  EXPECT_EQ(seen.lines, GetParam().modes);
  EXPECT_TRUE(seen.listClosed);
  EXPECT_FALSE(seen.prompted);
  EXPECT_EQ(sheet.ExitStatus(), 0);
  const DeviceCaps running = seams.display->Caps();
  EXPECT_EQ(std::pair(running.width, running.height), std::pair(seen.picked.PelsWidth, seen.picked.PelsHeight));
}

INSTANTIATE_TEST_SUITE_P(Drivers, ExtremeDriver,
                         ::testing::Values(Driver{"NoModes", "kite,nomodes", 0}, Driver{"OneMode", "kite,onemode", 1},
                                           Driver{"HostileModes", "kite,hostilemodes", 100000},
                                           Driver{"ChangingModes", "kite,changingmodes", 26}),
                         [](const ::testing::TestParamInfo<Driver>& row) { return std::string(row.param.name); });

// Each display change brings the driver's other list: the catalogue and the
// mode list follow it both ways, the colour, refresh and desktop-area choices
// stay those built at the page's start until the adapter type changes, so a
// mode the user did not pick never replaces the shown one.
using ChangingModeList = SimulatedBoardTest;

TEST_F(ChangingModeList, ReachesThePageAfterEachDisplayChange) {
  Seams seams = Board("kite,changingmodes");
  CMyPropertySheet sheet(PanelCommandLine("-n"), seams);
  std::vector<Choices> seen;
  UiDriver ui;
  ui.Start([&](UiDriver& driver) {
    if (!driver.WaitForWindow("VexelPanel")) return;
    HWND page = nullptr;
    driver.OnUi([&] { page = SheetPages(sheet).settings.GetSafeHwnd(); });
    for (std::size_t expected : {29u, 26u}) {
      driver.OnUi([&] { seams.display->ChangeMode({15, 1024, 768, 60}, false); });
      PollUntil(std::chrono::seconds(10), [&] {
        std::size_t size = 0;
        driver.OnUi([&] { size = sheet.State().ModeCatalogue.size(); });
        return size == expected;
      });
      driver.OnUi([&] { seen.push_back(LookAtChoices(page)); });
      Closes(PickFirstListedMode(driver, page, seen.back().lines));
    }
    sheet.PressButton(PSBTN_CANCEL);
  });
  sheet.DoModal();
  ui.Join();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].lines, 29u) << "16 bpp, 1600 wide and 85 Hz added";
  EXPECT_EQ(seen[1].lines, 26u);
  for (const Choices& choices : seen) {
    EXPECT_EQ(choices.colors, (std::vector<std::string>{"256 Colors", "32768 Colors", "True Color"}));
    EXPECT_EQ(choices.refreshes, (std::vector<std::string>{"60 Hertz", "70 Hertz", "72 Hertz", "75 Hertz"}));
    EXPECT_EQ(choices.lastArea, 3);
  }
}

}  // namespace
}  // namespace vexel::test
