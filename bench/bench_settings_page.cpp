// Times the Settings page's first show (tab click to page painted), the
// opening of its mode list ("Current Adapter", button click to list painted)
// and the handling of one display change for catalogues of 25, 10,000 and
// 100,000 driver modes and for the simulated board's odd drivers (no modes,
// one mode, 100,000 hostile modes, a list that changes with each mode set),
// each beside the About page's first show in the same sheet, in alternated
// rounds after one that is not counted, and prints each figure's median, min
// and max, and the process's working set with the page shown and with the
// list open. The sheet runs on the simulated board below a registry root of
// its own, which is deleted afterwards.
// Run under Wine: bench_settings_page.exe [rounds]
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

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
  // The process's working set in bytes with the Settings page shown, and with the list open.
  double pageBytes = 0, listBytes = 0;
};

double WorkingSet() {
  PROCESS_MEMORY_COUNTERS counters{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return static_cast<double>(counters.WorkingSetSize);
}

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

// Clicks "List All Modes ..." and waits until the list has painted; notes
// the working set while it is open.
double OpenModeList(HWND page, double& listBytes) {
  const auto started = std::chrono::steady_clock::now();
  ::PostMessageA(::GetDlgItem(page, IDC_SETTINGS_LIST_MODES), BM_CLICK, 0, 0);
  HWND list = WaitForVisible("Current Adapter");
  ::SendMessageA(list, WM_NULL, 0, 0);
  Paint(list);
  const double elapsed = Milliseconds(std::chrono::steady_clock::now() - started).count();
  listBytes = WorkingSet();
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
    figures.pageBytes = WorkingSet();
    figures.modeList = OpenModeList(sheet.GetPage(1)->GetSafeHwnd(), figures.listBytes);
    // A display change refills from the board, which does not serve an injected list.
    if (row.modes.empty()) figures.displayChange = ChangeDisplay(hwnd, *sheet.GetSeams().display);
    ::PostMessageA(hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  });
  sheet.DoModal();
  script.join();
  return figures;
}

// "median (min-max)" of one figure's runs.
std::string Cell(const std::vector<double>& times) {
  const vexel::bench::Spread spread = vexel::bench::SpreadOf(times);
  char text[64];
  std::snprintf(text, sizeof(text), "%6.1f (%5.1f-%6.1f)", spread.median, spread.min, spread.max);
  return text;
}

double MebibyteMedian(const std::vector<double>& bytes) {
  return vexel::bench::SpreadOf(bytes).median / (1024.0 * 1024.0);
}

struct RowTimes {
  std::vector<double> about, settings, modeList, displayChange, pageBytes, listBytes;
  void Add(const Figures& f) {
    about.push_back(f.about);
    settings.push_back(f.settings);
    modeList.push_back(f.modeList);
    displayChange.push_back(f.displayChange);
    pageBytes.push_back(f.pageBytes);
    listBytes.push_back(f.listBytes);
  }
};

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  const Row rows[] = {
      {"25 (VexelKite)", "kite", {}},
      {"10000", "kite", DriverModes(10000)},
      {"100000", "kite", DriverModes(100000)},
      {"none (driver)", "kite,nomodes", {}},
      {"one (driver)", "kite,onemode", {}},
      {"100000 hostile", "kite,hostilemodes", {}},
      {"26/29 changing", "kite,changingmodes", {}},
  };
  std::printf(
      "first show (tab click to page painted), mode list opening and one display change in ms,\n"
      "median (min-max) of %d alternated rounds (%s at the start):\n",
      rounds, vexel::bench::LoadAverage().c_str());
  std::vector<RowTimes> times(std::size(rows));
  // The first round is not counted: it starts what the process starts once.
  for (int round = -1; round < rounds; ++round) {
    for (size_t row = 0; row < std::size(rows); ++row) {
      const Figures figures = MeasureOnce(rows[row]);
      if (round >= 0) times[row].Add(figures);
      ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }
  }
  std::printf("  %-16s %-21s %-21s %-21s %-21s %s\n", "driver modes", "About", "Settings", "mode list",
              "display change", "working set: page, list (MiB)");
  for (size_t row = 0; row < std::size(rows); ++row) {
    const RowTimes& t = times[row];
    std::printf("  %-16s %s %s %s %-21s %6.1f %6.1f\n", rows[row].label.c_str(), Cell(t.about).c_str(),
                Cell(t.settings).c_str(), Cell(t.modeList).c_str(),
                rows[row].modes.empty() ? Cell(t.displayChange).c_str() : "-", MebibyteMedian(t.pageBytes),
                MebibyteMedian(t.listBytes));
  }
  std::printf("(%s at the end)\n", vexel::bench::LoadAverage().c_str());
  return 0;
}
