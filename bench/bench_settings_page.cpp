// Times the Settings page's first show (tab click to page painted) and the
// opening of its mode list for catalogues of 25, 10,000 and 100,000 driver
// modes, each beside the About page's first show in the same sheet, and
// prints the medians. The sheet runs on the simulated board below a registry
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
  double about = 0, settings = 0, modeList = 0;
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

// One sheet, opened on 3D Settings so that both measured pages are shown
// for the first time.
Figures MeasureOnce(const vexel::ModeCatalogue* catalogue) {
  vexel::SimulatedBoardConfig config = vexel::ParseSimulation("kite");
  config.registryRoot = kRoot;
  vexel::CMyPropertySheet sheet({"bench -n", "BENCH -N"}, vexel::MakeSimulatedSeams(config));
  if (catalogue) sheet.State().ModeCatalogue = *catalogue;
  sheet.SetActivePage(&sheet.m_page3D);
  Figures figures;
  std::thread script([&] {
    HWND hwnd = WaitForVisible("VexelPanel");
    figures.about = ClickTab(hwnd, 0);
    figures.settings = ClickTab(hwnd, 1);
    figures.modeList = OpenModeList(sheet.m_pageSettings.GetSafeHwnd());
    ::PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  sheet.DoModal();
  script.join();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  std::printf("first show (tab click to page painted) and mode list opening, median of %d runs:\n", runs);
  std::printf("  %-18s %10s %12s %12s\n", "driver modes", "About", "Settings", "mode list");
  for (size_t count : {size_t{25}, size_t{10000}, size_t{100000}}) {
    const vexel::ModeCatalogue modes = DriverModes(count);
    std::vector<double> about, settings, modeList;
    for (int run = 0; run < runs; ++run) {
      const Figures f = MeasureOnce(count == 25 ? nullptr : &modes);
      about.push_back(f.about);
      settings.push_back(f.settings);
      modeList.push_back(f.modeList);
    }
    std::printf("  %-18s %7.1f ms %9.1f ms %9.1f ms\n", count == 25 ? "25 (VexelKite)" : std::to_string(count).c_str(),
                vexel::bench::Median(about), vexel::bench::Median(settings), vexel::bench::Median(modeList));
  }
  ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
  return 0;
}
