// Times the Settings page's first show (tab click to page painted), the
// opening of its mode list and the handling of one display change for
// catalogues of 25, 10,000 and 100,000 driver modes and for the simulated
// board's odd drivers (no modes, one mode, 100,000 hostile modes, a list that
// changes with each mode set), each beside the About page's first show in the
// same sheet, and prints the medians. The sheet runs on the simulated board below a registry
// root of its own, which is deleted afterwards.
// Run under Wine: bench_settings_page.exe [runs]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/property_sheet.h"
#include "bench_support.h"
#include "sim/simulated_board_config.h"
#include "sim/simulated_seams.h"
#include "resource.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;
using vexel::DisplayMode;

constexpr char kRoot[] = "Software\\Vexelworks\\VexelPanel Bench";

// A driver's list of n modes: many widths, three depths, several refreshes.
vexel::ModeCatalogue DriverModes(size_t count) {
  vexel::ModeCatalogue modes;
  modes.reserve(count);
  constexpr int32_t kDepths[] = {8, 16, 32};
  for (size_t i = 0; i < count; ++i) {
    const auto width = static_cast<int32_t>(640 + (i / 12) % 4000);
    modes.push_back({kDepths[i % 3], width, width * 3 / 4, static_cast<int32_t>(60 + (i / 3) % 4 * 5)});
  }
  return modes;
}

struct Figures {
  double about = 0, settings = 0, modeList = 0, displayChange = 0;
};

// One row: the board's words and, for a plain list, the modes put into the
// catalogue in place of the board's.
struct Row {
  std::string label;
  const char* words;
  vexel::ModeCatalogue modes;
};

HWND WaitForVisible(const char* caption) {
  for (;;) {
    HWND found = ::FindWindowA(nullptr, caption);
    if (found && ::IsWindowVisible(found)) return found;
    ::Sleep(1);
  }
}

void Paint(HWND window) { ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// Clicks a tab and waits until the page it shows has painted.
double ClickTab(HWND sheet, int index) {
  HWND tabs = PropSheet_GetTabControl(sheet);
  RECT item{};
  TabCtrl_GetItemRect(tabs, index, &item);
  const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  const auto started = std::chrono::steady_clock::now();
  ::SendMessageA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageA(tabs, WM_LBUTTONUP, 0, at);
  Paint(sheet);
  return Milliseconds(std::chrono::steady_clock::now() - started).count();
}

// Clicks "List All Modes ..." and waits until the list has painted.
double OpenModeList(HWND page) {
  const auto started = std::chrono::steady_clock::now();
  ::PostMessageA(::GetDlgItem(page, IDC_SETTINGS_LIST_MODES), BM_CLICK, 0, 0);
  HWND list = WaitForVisible("Current Adapter");
  ::SendMessageA(list, WM_NULL, 0, 0);
  Paint(list);
  const double elapsed = Milliseconds(std::chrono::steady_clock::now() - started).count();
  ::SendMessageA(list, WM_COMMAND, IDCANCEL, 0);
  return elapsed;
}

// The board switches to its running mode again (a changing driver then lists
// its other modes) and the sheet handles the change: refills its catalogue
// and shows the page anew.
double ChangeDisplay(HWND sheet, vexel::Display& display) {
  const vexel::DeviceCaps caps = display.Caps();
  display.ChangeMode({caps.bitsPerPixel == 16 ? 15 : caps.bitsPerPixel, caps.width, caps.height, caps.refresh}, false);
  const auto started = std::chrono::steady_clock::now();
  ::SendMessageA(sheet, WM_DISPLAYCHANGE, static_cast<WPARAM>(caps.bitsPerPixel), MAKELPARAM(caps.width, caps.height));
  Paint(sheet);
  return Milliseconds(std::chrono::steady_clock::now() - started).count();
}

// One sheet, opened on 3D Settings so that both measured pages are shown
// for the first time.
Figures MeasureOnce(const Row& row) {
  vexel::SimulatedBoardConfig config = vexel::ParseSimulation(row.words);
  config.registryRoot = kRoot;
  vexel::CMyPropertySheet sheet({"bench -n", "BENCH -N"}, vexel::MakeSimulatedSeams(config));
  if (!row.modes.empty()) sheet.State().ModeCatalogue = row.modes;
  sheet.SetActivePage(sheet.GetPage(2));  // 3D Settings
  Figures figures;
  std::thread script([&] {
    HWND hwnd = WaitForVisible("VexelPanel");
    figures.about = ClickTab(hwnd, 0);
    figures.settings = ClickTab(hwnd, 1);
    figures.modeList = OpenModeList(sheet.GetPage(1)->GetSafeHwnd());
    // A display change refills from the board, which does not serve an injected list.
    if (row.modes.empty()) figures.displayChange = ChangeDisplay(hwnd, *sheet.GetSeams().display);
    ::PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  sheet.DoModal();
  script.join();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const Row rows[] = {
      {"25 (VexelKite)", "kite", {}},
      {"10000", "kite", DriverModes(10000)},
      {"100000", "kite", DriverModes(100000)},
      {"none (driver)", "kite,nomodes", {}},
      {"one (driver)", "kite,onemode", {}},
      {"100000 hostile", "kite,hostilemodes", {}},
      {"26/29 changing", "kite,changingmodes", {}},
  };
  std::printf("first show (tab click to page painted), mode list opening and one display change, median of %d runs:\n",
              runs);
  std::printf("  %-18s %10s %12s %12s %14s\n", "driver modes", "About", "Settings", "mode list", "display change");
  for (const Row& row : rows) {
    std::vector<double> about, settings, modeList, displayChange;
    for (int run = 0; run < runs; ++run) {
      const Figures f = MeasureOnce(row);
      about.push_back(f.about);
      settings.push_back(f.settings);
      modeList.push_back(f.modeList);
      displayChange.push_back(f.displayChange);
      ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }
    std::printf("  %-18s %7.1f ms %9.1f ms %9.1f ms ", row.label.c_str(), vexel::bench::Median(about),
                vexel::bench::Median(settings), vexel::bench::Median(modeList));
    if (row.modes.empty()) {
      std::printf("%11.1f ms\n", vexel::bench::Median(displayChange));
    } else {
      std::printf("%14s\n", "-");
    }
  }
  return 0;
}
