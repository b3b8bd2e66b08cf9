// Storms on the open sheet: display-change broadcasts, list dialogs opened
// over and over, tab switches and OpenGL probe windows. What the process
// holds (GDI and USER objects, private bytes) must stay flat once a warm-up
// round has filled what is made on first use.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>
#include <tlhelp32.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/property_sheet.h"
#include "info/probe/gl_api.h"
#include "info/probe/ogl_info.h"
#include "resource.h"
#include "support/gdi_count.h"
#include "support/message_boxes.h"
#include "support/page_controls.h"
#include "support/simulated_board_test.h"
#include "support/ui_driver.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

// What a storm may leave behind: Wine's own GDI objects, which on a loaded
// machine have drifted by up to 12 over a round, and heap that the allocator
// keeps in reserve. A leak of one object per round is 100 or more, and one of
// a kilobyte per round (66 bytes per display change) exceeds the byte slack.
constexpr long kObjectSlack = 16;
constexpr long long kByteSlack = 64 * 1024;
// Each storm first runs a round unmeasured, as long as the measured one where
// it is cheap: under Wine the process's GDI objects grow over the first few
// hundred display changes, dialogs or tab switches, then stay at one level
// (a bounded cache), while a leak grows again in the measured round.

struct Held {
  unsigned long gdi = 0, user = 0, gdiReported = 0, userReported = 0;
  std::size_t privateBytes = 0, privateUsage = 0;
};

Held CountHeld() {
  return {GdiObjectCount(),      UserObjectCount(), ReportedGdiObjects(),
          ReportedUserObjects(), PrivateBytes(),    ReportedPrivateUsage()};
}

std::size_t OwnThreads() {
  std::size_t count = 0;
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 thread{};
  thread.dwSize = sizeof(thread);
  for (BOOL more = ::Thread32First(snapshot, &thread); more; more = ::Thread32Next(snapshot, &thread)) {
    if (thread.th32OwnerProcessID == ::GetCurrentProcessId()) ++count;
  }
  ::CloseHandle(snapshot);
  return count;
}

// Until the UI thread has handled every message posted to it.
void Drain(const UiDriver& ui) {
  PollUntil(std::chrono::seconds(20), [&] {
    DWORD waiting = 1;
    ui.OnUi([&] { waiting = HIWORD(::GetQueueStatus(QS_POSTMESSAGE)); });
    return waiting == 0;
  });
}

// Counted once every posted message is handled and every window painted.
void Settle(const UiDriver& ui, HWND sheet) {
  Drain(ui);
  ui.OnUi([&] { ::RedrawWindow(sheet, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); });
}

// Cancels each dialog the UI thread activates, other than the sheet, and
// counts them.
class DialogCanceller {
 public:
  explicit DialogCanceller(HWND sheet) {
    s_sheet = sheet;
    s_cancelled = 0;
    s_hook = ::SetWindowsHookExA(WH_CBT, Hook, nullptr, ::GetCurrentThreadId());
  }
  ~DialogCanceller() { ::UnhookWindowsHookEx(s_hook); }
  DialogCanceller(const DialogCanceller&) = delete;
  DialogCanceller& operator=(const DialogCanceller&) = delete;
  static inline int s_cancelled = 0;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && window != s_sheet && ClassOf(window) == "#32770") {
      if (::PostMessageA(window, WM_COMMAND, IDCANCEL, 0)) ++s_cancelled;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline HHOOK s_hook = nullptr;
  static inline HWND s_sheet = nullptr;
};

class LeakStorm : public SimulatedBoardTest {
 protected:
  using Round = std::function<void(const UiDriver&, CMyPropertySheet&, HWND sheet, int times)>;

  // The sheet on the board, a warm-up round, then `times` rounds counted.
  void Storm(const char* what, int times, const Round& round, int warmUp) {
    CMyPropertySheet sheet(PanelCommandLine("-n"), Board("hawk,8mb,lb24"));
    Held before, after;
    UiDriver ui;
    ui.Start([&](UiDriver& driver) {
      HWND hwnd = driver.WaitForWindow("VexelPanel");
      if (!hwnd) return;
      // The playing clip makes and frees objects of its own as it draws.
      driver.OnUi(
          [&] { ::SendDlgItemMessageA(SheetPages(sheet).settings.GetSafeHwnd(), IDC_SETTINGS_ANIMATION, ACM_STOP, 0, 0); });
      round(driver, sheet, hwnd, warmUp);
      Settle(driver, hwnd);
      driver.OnUi([&] { before = CountHeld(); });
      round(driver, sheet, hwnd, times);
      Settle(driver, hwnd);
      driver.OnUi([&] { after = CountHeld(); });
      sheet.PressButton(PSBTN_CANCEL);
    });
    sheet.DoModal();
    ui.Join();
    std::printf(
        "%s: GDI %lu -> %lu (GetGuiResources %lu -> %lu), USER %lu -> %lu (GetGuiResources %lu -> %lu), "
        "private bytes %zu -> %zu (PrivateUsage %zu -> %zu)\n",
        what, before.gdi, after.gdi, before.gdiReported, after.gdiReported, before.user, after.user,
        before.userReported, after.userReported, before.privateBytes, after.privateBytes, before.privateUsage,
        after.privateUsage);
    EXPECT_NE(before.gdi, 0u);
    EXPECT_NE(before.user, 0u);
    EXPECT_LE(static_cast<long>(after.gdi) - static_cast<long>(before.gdi), kObjectSlack);
    EXPECT_LE(static_cast<long>(after.user) - static_cast<long>(before.user), kObjectSlack);
    EXPECT_LE(static_cast<long long>(after.privateBytes) - static_cast<long long>(before.privateBytes), kByteSlack);
  }

  // Clicks the button `times`; each click's dialog is cancelled as it shows
  // and ends before the click returns.
  static void OpenAndCancel(const UiDriver& ui, CMyPropertySheet& sheet, HWND hwnd, int button, int times) {
    ui.OnUi([&] {
      const DialogCanceller canceller(hwnd);
      for (int i = 0; i < times; ++i) {
        ::SendMessageA(::GetDlgItem(SheetPages(sheet).settings.GetSafeHwnd(), button), BM_CLICK, 0, 0);
      }
      EXPECT_EQ(DialogCanceller::s_cancelled, times);
    });
  }
};

TEST_F(LeakStorm, DisplayChangeBroadcastsWithTheSettingsPageShown) {
  Storm(
      "1,000 display changes", 1000,
      [](const UiDriver& ui, CMyPropertySheet& sheet, HWND, int times) {
        for (int i = 0; i < times; ++i) sheet.GetSeams().display->BroadcastDisplayChange(32, 1024, 768);
        Drain(ui);
      },
      1000);
}

// One row per list dialog of the Settings page.
struct ListDialog {
  const char* name;
  const char* what;
  int button;
};
void PrintTo(const ListDialog& dialog, std::ostream* out) { *out << dialog.name; }

class ListDialogStorm : public LeakStorm, public ::testing::WithParamInterface<ListDialog> {};

TEST_P(ListDialogStorm, Openings) {
  const int button = GetParam().button;
  Storm(
      GetParam().what, 100,
      [button](const UiDriver& ui, CMyPropertySheet& sheet, HWND hwnd, int times) {
        OpenAndCancel(ui, sheet, hwnd, button, times);
      },
      100);
}

INSTANTIATE_TEST_SUITE_P(LeakStorm, ListDialogStorm,
                         ::testing::Values(ListDialog{"ModeList", "100 mode lists", IDC_SETTINGS_LIST_MODES},
                                           ListDialog{"ApplicationList", "100 application lists",
                                                      IDC_SETTINGS_LIST_APPLICATIONS}),
                         [](const ::testing::TestParamInfo<ListDialog>& row) { return std::string(row.param.name); });

TEST_F(LeakStorm, TabSwitchesThroughEveryPage) {
  Storm(
      "100 tab rounds", 100,
      [](const UiDriver& ui, CMyPropertySheet& sheet, HWND hwnd, int times) {
        ui.OnUi([&] {
          MakeAdvancedGesture(hwnd);
          for (int i = 0; i < times; ++i) {
            for (int page = 0; page < sheet.GetPageCount(); ++page) PropSheet_SetCurSel(hwnd, nullptr, page);
          }
        });
        Drain(ui);
      },
      100);
}

// The probe's window lives on a thread of its own, which is gone before
// counting. Each probe takes a GL context, so the warm-up is short.
TEST_F(LeakStorm, OpenGlProbeWindows) {
  Storm(
      "100 probe windows", 100,
      [](const UiDriver&, CMyPropertySheet& sheet, HWND, int times) {
        const std::size_t threads = OwnThreads();
        for (int i = 0; i < times; ++i) {
          const auto text =
              RunOpenGlProbe(std::make_shared<COglInfo>(sheet.GetSeams().registry, std::make_shared<WglApi>()));
          EXPECT_TRUE(text && !text->empty());
          PollUntil(std::chrono::seconds(5), [&] { return OwnThreads() <= threads; });
        }
      },
      10);
}

}  // namespace
}  // namespace vexel::test
