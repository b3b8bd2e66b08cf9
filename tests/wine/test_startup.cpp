// Whole runs of vexelpanel.exe: it starts, shows its modal sheet and ends when
// the sheet closes.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/win32_registry.h"
#include "store/value_names.h"
#include "support/program.h"
#include "support/registry_root.h"

namespace vexel::test {
namespace {

TEST(Startup, TheSheetOpensOnTheAboutPageAndTheProgramEndsWithIt) {
  RunningProgram panel("-n");
  ASSERT_TRUE(panel.Started());
  HWND sheet = panel.WaitForWindow("VexelPanel");
  ASSERT_NE(sheet, nullptr);
  HWND page = PropSheet_GetCurrentPageHwnd(sheet);
  ASSERT_NE(page, nullptr);
  EXPECT_NE(::GetDlgItem(page, 1006), nullptr);  // the information text of dialog 104
  EXPECT_EQ(TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet)), 1);
  ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  EXPECT_EQ(panel.WaitForExit(), std::optional<DWORD>(0));
}

// A copy of the program in a folder whose name the ANSI code page cannot
// spell, removed with the folder.
class ProgramInUnicodeFolder {
 public:
  ProgramInUnicodeFolder() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    m_folder = std::wstring(temp) + L"Vexel \x03A9 " + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(m_folder.c_str(), nullptr);
    const std::string original = ProgramPath();
    m_program = m_folder + L"\\vexelpanel.exe";
    m_copied = ::CopyFileW(std::wstring(original.begin(), original.end()).c_str(), m_program.c_str(), FALSE);
  }
  ~ProgramInUnicodeFolder() {
    ::DeleteFileW(m_program.c_str());
    ::RemoveDirectoryW(m_folder.c_str());
  }
  bool Copied() const { return m_copied; }
  const std::wstring& Program() const { return m_program; }

 private:
  std::wstring m_folder;
  std::wstring m_program;
  bool m_copied = false;
};

TEST(Startup, AProgramInAFolderOutsideTheAnsiCodePageStoresUnderItsOwnPerMakerKey) {
  ProgramInUnicodeFolder copy;
  ASSERT_TRUE(copy.Copied());
  TestRegistryRoot root;
  RunningProgram panel(copy.Program(), "-q -n -s VexelKite -p Some\\Key",
                       {"VEXELPANEL_SIMULATE=hawk,root=" + root.Path(), "LANG=en_US.UTF-8"});
  EXPECT_EQ(panel.WaitForExit(), std::optional<DWORD>(0));

  Win32Registry machine(root.Path() + "\\Machine", root.Path() + "\\User");
  RegKey own;
  ASSERT_EQ(machine.OpenKey(Hive::LocalMachine, "SOFTWARE\\Vexelworks\\VEXELPANEL\\3.3", own), kOk);
  std::string card;
  EXPECT_TRUE(ReadText(own, names::kInstalledCard, card));
  EXPECT_EQ(card, "VEXELKITE");
  RegKey maker;
  ASSERT_EQ(machine.OpenKey(Hive::LocalMachine, "SOFTWARE\\Vexelworks", maker), kOk);
  std::string misplaced;
  EXPECT_FALSE(ReadText(maker, names::kInstalledCard, misplaced)) << "stored beside the per-maker key: " << misplaced;
}

}  // namespace
}  // namespace vexel::test
