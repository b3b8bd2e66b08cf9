// A whole run on the simulated board that changes everything it can (every
// page applied, a new mode, the restart prompt answered with a restart)
// leaves the real machine alone: Wine's HKEY_LOCAL_MACHINE, the display
// mode and the session's processes.
#include <windows.h>
#include <tlhelp32.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>

#include "app/property_sheet.h"
#include "resource.h"
#include "support/simulated_board_test.h"
#include "support/whole_run.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

// Where the program or its simulated board could write: every level of these
// trees is compared. Of the large SOFTWARE tree only the first level and the
// maker's own key.
struct WatchedTree {
  const char* path;
  int depth;
};
constexpr WatchedTree kWatchedTrees[] = {{"HARDWARE", 64},
                                         {"SYSTEM\\CurrentControlSet\\Services", 64},
                                         {"SYSTEM\\CurrentControlSet\\Control\\Video", 64},
                                         {"SYSTEM\\CurrentControlSet\\Hardware Profiles", 64},
                                         {"SOFTWARE", 1},
                                         {"SOFTWARE\\Vexelworks", 64}};
// The session's own processes: a restart of the session ends them all.
constexpr const char* kSessionProcesses[] = {"services.exe", "winedevice.exe", "explorer.exe",
                                             "plugplay.exe", "svchost.exe",    "rpcss.exe"};
constexpr DisplayMode kChosen{32, 800, 600, 75};

// The key and `depth` levels below it with their values, one line each.
void Dump(HKEY parent, const std::string& path, int depth, std::string& out) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    out += "unreadable " + path + "\n";
    return;
  }
  out += "[" + path + "]\n";
  if (depth > 0) {
    for (const auto& [name, value] : ReadRawValues(key, "")) {
      out += name + "=" + std::to_string(value.type) + ":" + value.bytes + "\n";
    }
  }
  for (DWORD index = 0; depth > 0; ++index) {
    char name[256];
    DWORD nameSize = sizeof(name);
    if (::RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    Dump(key, name, depth - 1, out);
  }
  ::RegCloseKey(key);
}

std::string MachineTrees() {
  std::string dump;
  for (const WatchedTree& tree : kWatchedTrees) Dump(HKEY_LOCAL_MACHINE, tree.path, tree.depth, dump);
  return dump;
}

std::string RealDisplayMode() {
  DEVMODEA mode{};
  mode.dmSize = sizeof(mode);
  if (!::EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return "unknown";
  return std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) + "x" +
         std::to_string(mode.dmBitsPerPel) + "@" + std::to_string(mode.dmDisplayFrequency);
}

std::set<std::pair<DWORD, std::string>> SessionProcesses() {
  std::set<std::pair<DWORD, std::string>> found;
  HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = ::Process32First(snapshot, &entry); more; more = ::Process32Next(snapshot, &entry)) {
    for (const char* name : kSessionProcesses) {
      if (::lstrcmpiA(entry.szExeFile, name) == 0) found.emplace(entry.th32ProcessID, name);
    }
  }
  ::CloseHandle(snapshot);
  found.emplace(::GetCurrentProcessId(), "this test");
  return found;
}

class SimulationRoot : public SimulatedBoardTest {};

TEST_F(SimulationRoot, AWholeRunWithARestartLeavesTheRealMachineAlone) {
  const std::string treesBefore = MachineTrees();
  const std::string modeBefore = RealDisplayMode();
  const auto processesBefore = SessionProcesses();
  ASSERT_FALSE(processesBefore.empty());

  Seams seams = Board("hawk");
  {
    CMyPropertySheet sheet(PanelCommandLine("-s VexelHawk -n"), seams);
    const WholeRunSeen seen = RunEveryPage(sheet, [](UiDriver& ui, CMyPropertySheet& s) {
      ui.OnUi([&] {
        ::SetDlgItemTextA(SheetPages(s).advanced.GetSafeHwnd(), IDC_ADVANCED_MCLK, "60");
        ::CheckDlgButton(SheetPages(s).settings3d.GetSafeHwnd(), IDC_3D_FORCE_SINGLE_BUFFER, BST_CHECKED);
        SheetPages(s).settings.SetCurrentMode(kChosen);
        SheetPages(s).settings.SetModified();
      });
    });
    EXPECT_EQ(seen.told, std::vector<std::string>{});
  }
  EXPECT_EQ(seams.display->Caps(), (DeviceCaps{800, 600, 32, 75})) << "the simulated board restarted";

  EXPECT_EQ(RealDisplayMode(), modeBefore);
  // Still there under the same ids (the desktop process may join on the first window).
  const auto processesAfter = SessionProcesses();
  EXPECT_TRUE(std::ranges::includes(processesAfter, processesBefore)) << ::testing::PrintToString(processesAfter);
  // Compared as a whole but reported by size only: the dump is large.
  const std::string treesAfter = MachineTrees();
  EXPECT_TRUE(treesAfter == treesBefore) << "HKEY_LOCAL_MACHINE changed: " << treesBefore.size() << " bytes before, "
                                         << treesAfter.size() << " after";
}

}  // namespace
}  // namespace vexel::test
