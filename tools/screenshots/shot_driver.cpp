// Opens the panel in one state for a screenshot, the way a user would get
// there: a tab, the Shift+Ctrl click that adds the Advanced page, a button
// that opens a dialog, or OK with a board name set, which always asks for a
// restart. It checks that the state shows a control of its own, prints where
// the window to picture lies, waits for a line on its input or its end (the
// picture has been taken), answers any dialog with Cancel (so a restart
// prompt never restarts anything) and closes the sheet.
//
//   shot_driver STATE       STATE: about, settings, 3d-settings, advanced,
//                           mode-list, application-list or restart-prompt
//   shot_driver board-page INSTALLER
//                           the installer's board page, for a VexelHawk and
//                           the simulated board's settings key, reached with
//                           Next on the welcome page and left with Cancel,
//                           whose question is answered Yes: nothing is
//                           installed
//
// Output: "window X Y WIDTH HEIGHT" in desktop pixels, then "ready", each on
// a line of its own. The page headers' clips stand still on their first
// frame meanwhile, so the picture can settle and comes out the same each time.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "resource.h"
#include "support/program.h"

namespace {

// Tabs in the order the sheet adds them when the board is identified.
enum Tab { kAbout, kSettings, k3DSettings, kAdvanced };

struct Shot {
  const char* name;
  const char* arguments;
  Tab tab;
  // The button on the page that opens the dialog to picture, or 0.
  int pageButton;
  // The sheet's button pressed to reach the state, or -1.
  int sheetButton;
  // A control only the state's page or dialog has.
  int ownControl;
};

// "-s" sets a board name, with which OK always ends in the restart prompt
// and never switches the display.
constexpr Shot kShots[] = {
    {"about", "", kAbout, 0, -1, IDC_ABOUT_ANIMATION},
    {"settings", "", kSettings, 0, -1, IDC_SETTINGS_ANIMATION},
    {"3d-settings", "", k3DSettings, 0, -1, IDC_3D_ANIMATION},
    {"advanced", "", kAdvanced, 0, -1, IDC_ADVANCED_ANIMATION},
    {"mode-list", "", kSettings, IDC_SETTINGS_LIST_MODES, -1, IDC_MODE_LIST_MODES},
    {"application-list", "", kSettings, IDC_SETTINGS_LIST_APPLICATIONS, -1, IDC_APPLICATION_LIST_ROWS},
    {"restart-prompt", "-s VexelHawk", kSettings, 0, PSBTN_OK, IDC_RESTART_LATER},
};

constexpr DWORD kTimeoutMs = 20000;

const Shot* FindShot(const char* name) {
  for (const Shot& shot : kShots) {
    if (std::strcmp(shot.name, name) == 0) return &shot;
  }
  return nullptr;
}

template <class Predicate>
bool PollUntil(Predicate done) {
  const ULONGLONG deadline = ::GetTickCount64() + kTimeoutMs;
  while (!done()) {
    if (::GetTickCount64() > deadline) return false;
    ::Sleep(50);
  }
  return true;
}

bool Fail(const char* what) {
  std::fprintf(stderr, "shot_driver: %s\n", what);
  return false;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

int TabCount(HWND sheet) {
  const auto tabs = reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETTABCONTROL, 0, 0));
  return static_cast<int>(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
}

// A point of the page's own background, outside every control, in desktop pixels.
std::optional<POINT> BackgroundPoint(HWND page) {
  RECT client;
  ::GetClientRect(page, &client);
  for (LONG y = 4; y < client.bottom; y += 4) {
    for (LONG x = 4; x < client.right; x += 4) {
      if (::ChildWindowFromPointEx(page, POINT{x, y}, CWP_ALL) != page) continue;
      POINT point{x, y};
      ::ClientToScreen(page, &point);
      return point;
    }
  }
  return std::nullopt;
}

INPUT Key(WORD key, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = flags;
  return input;
}

INPUT Mouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

// A real click into the page with Shift and Ctrl held, through the system's
// input queue, so the sheet sees it exactly as it sees a user's.
bool AddAdvancedPage(HWND sheet) {
  const std::optional<POINT> point = BackgroundPoint(CurrentPage(sheet));
  if (!point) return Fail("the page has no free spot to click");
  ::SetCursorPos(point->x, point->y);
  INPUT gesture[] = {Key(VK_SHIFT, 0),
                     Key(VK_CONTROL, 0),
                     Mouse(MOUSEEVENTF_LEFTDOWN),
                     Mouse(MOUSEEVENTF_LEFTUP),
                     Key(VK_CONTROL, KEYEVENTF_KEYUP),
                     Key(VK_SHIFT, KEYEVENTF_KEYUP)};
  ::SendInput(ARRAYSIZE(gesture), gesture, sizeof(INPUT));
  return PollUntil([&] { return TabCount(sheet) > kAdvanced; }) || Fail("the gesture added no page");
}

struct DialogSearch {
  DWORD process;
  HWND sheet;
  HWND found;
};

BOOL CALLBACK MatchDialog(HWND hwnd, LPARAM data) {
  auto* search = reinterpret_cast<DialogSearch*>(data);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(hwnd, &owner);
  char name[16] = {};
  ::GetClassNameA(hwnd, name, sizeof(name));
  if (owner != search->process || hwnd == search->sheet || !::IsWindowVisible(hwnd)) return TRUE;
  if (std::strcmp(name, "#32770") != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

// The panel's dialog shown above the sheet, or null after the time-out.
HWND WaitForDialog(HWND sheet) {
  DialogSearch search{0, sheet, nullptr};
  ::GetWindowThreadProcessId(sheet, &search.process);
  PollUntil([&] {
    ::EnumWindows(&MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

// Drives the sheet to the shot's state; returns the window to picture.
HWND Reach(const Shot& shot, HWND sheet) {
  if (shot.tab == kAdvanced && !AddAdvancedPage(sheet)) return nullptr;
  ::SendMessageA(sheet, PSM_SETCURSEL, shot.tab, 0);
  if (shot.pageButton == 0 && shot.sheetButton < 0) return sheet;
  // Posted: the dialog's modal loop would hold up a sent message.
  if (shot.pageButton != 0) {
    ::PostMessageA(::GetDlgItem(CurrentPage(sheet), shot.pageButton), BM_CLICK, 0, 0);
  } else {
    ::PostMessageA(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(shot.sheetButton), 0);
  }
  return WaitForDialog(sheet);
}

BOOL CALLBACK HoldAnimation(HWND child, LPARAM) {
  char name[32] = {};
  ::GetClassNameA(child, name, sizeof(name));
  if (std::strcmp(name, ANIMATE_CLASSA) != 0) return TRUE;
  // A playing clip ignores a new play: stop it, then show one frame.
  ::SendMessageA(child, ACM_STOP, 0, 0);
  ::SendMessageA(child, ACM_PLAY, 1, MAKELPARAM(0, 0));
  return TRUE;
}

void PrintPlace(HWND window) {
  RECT rect;
  ::GetWindowRect(window, &rect);
  std::printf("window %ld %ld %ld %ld\nready\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  std::fflush(stdout);
}

// Cancel on the dialog (for the restart prompt: "Don't Restart Now"), then on
// the sheet unless OK already closes it.
void Close(const Shot& shot, HWND sheet, HWND window) {
  if (window != sheet) {
    ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PollUntil([&] { return !::IsWindowVisible(window); });
  }
  if (shot.sheetButton != PSBTN_OK) ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

bool Run(const Shot& shot) {
  // Away from every window, so nothing shows a hovered state.
  ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  vexel::test::RunningProgram panel(shot.arguments);
  const HWND sheet = panel.WaitForWindow("VexelPanel", kTimeoutMs);
  if (!sheet) return Fail("the panel showed no sheet");
  const HWND window = Reach(shot, sheet);
  const HWND shown = window == sheet ? CurrentPage(sheet) : window;
  if (!window || !::GetDlgItem(shown, shot.ownControl)) return Fail("the state was not reached");
  // Whatever the steps above sent the panel has been handled.
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, kTimeoutMs, &ignored);
  // Under Xvfb Wine may leave the active sheet's frame drawn inactive (no X
  // client holds the X focus): draw the frame in the state the window has.
  if (::GetForegroundWindow() == window) {
    ::SendMessageTimeoutA(window, WM_NCACTIVATE, TRUE, 0, SMTO_BLOCK, kTimeoutMs, &ignored);
  }
  ::EnumChildWindows(window, &HoldAnimation, 0);
  PrintPlace(window);
  // A line, or the end of the input when the caller is gone or has nothing to say.
  char line[16];
  static_cast<void>(std::fgets(line, sizeof(line), stdin));
  Close(shot, sheet, window);
  return panel.WaitForExit(kTimeoutMs).has_value() || Fail("the panel did not close");
}

BOOL CALLBACK MatchChildText(HWND child, LPARAM data) {
  auto* search = reinterpret_cast<std::pair<const char*, HWND>*>(data);
  char text[64] = {};
  ::GetWindowTextA(child, text, sizeof(text));
  if (std::strcmp(text, search->first) != 0 || !::IsWindowVisible(child)) return TRUE;
  search->second = child;
  return FALSE;
}

HWND FindChild(HWND window, const char* text) {
  std::pair<const char*, HWND> search{text, nullptr};
  ::EnumChildWindows(window, &MatchChildText, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

bool RunInstaller(const char* installer) {
  ::SetCursorPos(::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1);
  // The installer's caption follows the system's language, as its pages do.
  const bool german = PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_GERMAN;
  std::wstring program(std::strlen(installer), L'\0');
  program.resize(static_cast<size_t>(
      ::MultiByteToWideChar(CP_ACP, 0, installer, -1, program.data(), static_cast<int>(program.size() + 1)) - 1));
  vexel::test::RunningProgram setup(program,
                                    "/MODEL=VexelHawk /KEY=System\\CurrentControlSet\\Services\\Vexel3D\\Device0");
  const HWND window =
      setup.WaitForWindow(german ? "Installation von VexelPanel 3.3" : "VexelPanel 3.3 Setup", kTimeoutMs);
  if (!window) return Fail("the installer showed no window");
  ::PostMessageA(::GetDlgItem(window, IDOK), BM_CLICK, 0, 0);
  if (!PollUntil([&] { return FindChild(window, "Vexel&Kite") != nullptr; })) return Fail("no board page");
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_BLOCK, kTimeoutMs, &ignored);
  ::SendMessageTimeoutA(window, WM_NCACTIVATE, TRUE, 0, SMTO_BLOCK, kTimeoutMs, &ignored);
  PrintPlace(window);
  char line[16];
  static_cast<void>(std::fgets(line, sizeof(line), stdin));
  ::PostMessageA(::GetDlgItem(window, IDCANCEL), BM_CLICK, 0, 0);
  const HWND question = WaitForDialog(window);
  if (!question) return Fail("Cancel asked nothing");
  ::PostMessageA(question, WM_COMMAND, IDYES, 0);
  return setup.WaitForExit(kTimeoutMs) == 1u || Fail("the installer did not end cancelled");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "board-page") == 0) return RunInstaller(argv[2]) ? 0 : 1;
  const Shot* shot = argc == 2 ? FindShot(argv[1]) : nullptr;
  if (!shot) {
    std::fprintf(stderr, "usage: shot_driver STATE\n");
    return 2;
  }
  return Run(*shot) ? 0 : 1;
}
