// Whole runs of vexelpanel.exe: it starts, shows its modal sheet and ends when
// the sheet closes.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "support/program.h"

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

}  // namespace
}  // namespace vexel::test
