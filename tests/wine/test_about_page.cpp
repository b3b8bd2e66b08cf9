// The About page in a running sheet on the simulated board: what it shows and
// when it does its work, its animation, its layout and the quiet run's end.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "core/exit_status.h"
#include "app/property_sheet.h"
#include "platform/win32_registry.h"
#include "sim/simulated_board_config.h"
#include "resource.h"
#include "store/value_names.h"
#include "store/version_strings.h"
#include "support/registry_root.h"
#include "support/simulated_board_test.h"
#include "support/message_boxes.h"
#include "support/ui_driver.h"
#include "win/wnd.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr int kApplyButton = 0x3021;
constexpr char kLabels[] =
    "Miniport Version:\nDriver Version:\nResolution:\nPixel Depth:\nRefresh Rate:\nAdapter:\nVideoMemory:\n"
    "OpenGL Version:\nChip Type:\nDAC Type:";

// What a window draws, pixel by pixel, printed into a bitmap of the test's
// own: windows of other tests on the same screen cannot hide it.
std::vector<std::uint32_t> Pixels(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(client.right * client.bottom));
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  ::PrintWindow(window, memory, PW_CLIENTONLY);
  ::SelectObject(memory, previous);
  ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(client.bottom), pixels.data(), &format, DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return pixels;
}

// A clip plays when the control draws a picture that changes; Wine's control
// does not answer ACM_ISPLAYING.
bool Plays(HWND animation) {
  std::vector<std::uint32_t> first;
  const auto picture = [&] {
    first = Pixels(animation);
    return std::ranges::any_of(first, [&](std::uint32_t pixel) { return pixel != first.front(); });
  };
  return PollUntil(std::chrono::seconds(5), picture) &&
         PollUntil(std::chrono::seconds(5), [&] { return Pixels(animation) != first; });
}

// The page's texts and state, as a user sees them.
struct Shown {
  std::string info, version, legal, description, release;
  bool applyEnabled = true;
};

Shown Look(HWND sheet, HWND page) {
  Shown shown;
  shown.info = ChildText(page, IDC_ABOUT_INFO);
  shown.version = ChildText(page, IDC_ABOUT_VERSION);
  shown.legal = ChildText(page, IDC_ABOUT_LEGAL);
  shown.description = ChildText(page, IDC_ABOUT_DESCRIPTION);
  shown.release = ChildText(page, IDC_ABOUT_RELEASE);
  shown.applyEnabled = ::IsWindowEnabled(::GetDlgItem(sheet, kApplyButton)) != FALSE;
  return shown;
}

HWND LabelsOf(HWND page) {
  for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (win::WindowText(child) == kLabels) return child;
  }
  return nullptr;
}

class AboutPage : public SimulatedBoardTest {};

TEST_F(AboutPage, DoesNothingUntilFirstShownThenShowsTheProgramAndTheBoard) {
  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("hawk"));
  UiDriver ui;
  bool createdEarly = true;
  std::string infoBeforeShown = "<not looked at>";
  Shown shown;
  bool playing = false;
  ui.Start([&](UiDriver& driver) {
    HWND hwnd = driver.WaitForWindow("VexelPanel");
    ASSERT_NE(hwnd, nullptr);
    driver.OnUi([&] {
      createdEarly = SheetPages(sheet).about.GetSafeHwnd() != nullptr;
      infoBeforeShown = SheetPages(sheet).about.m_strInfo + SheetPages(sheet).about.m_strVersion +
                        SheetPages(sheet).about.m_strExport;
      sheet.SetActivePage(&SheetPages(sheet).about);
    });
    HWND page = nullptr;
    driver.OnUi([&] {
      page = SheetPages(sheet).about.GetSafeHwnd();
      shown = Look(hwnd, page);
    });
    playing = Plays(::GetDlgItem(page, IDC_ABOUT_ANIMATION));
    sheet.PressButton(PSBTN_CANCEL);
  });
  sheet.DoModal();
  ui.Join();
  EXPECT_FALSE(createdEarly);
  EXPECT_EQ(infoBeforeShown, "");
  EXPECT_EQ(shown.info,
            "vexel3d.sys - 1.1\nvexel3d.dll - 2.3\n1024x768\n15\n60\nVexelHawk\n8MB\n"
            "Not Retrieved: -nogl specified\nGLINT 300SX + GLINT Delta\nTI TVP3026");
  const VersionResource own = VersionResource::Own();
  EXPECT_EQ(shown.version, "3.3");
  EXPECT_EQ(shown.legal, own.String("LegalCopyright").value_or("<none>"));
  EXPECT_NE(shown.legal, "");
  EXPECT_EQ(shown.description, "VexelPanel Information Applet");
  EXPECT_EQ(shown.release, "Rel-4.1.10");
  EXPECT_TRUE(playing);
  EXPECT_EQ(SheetPages(sheet).about.m_strExport.substr(0, 38), "Set VexelPanel_Mode=1024x768x15at60Hz\n");
}

// A miniport of the test's own: several display drivers, no versions, no
// mode, no texts; a driver that answers no escape, so About is the only page.
TEST_F(AboutPage, ShowsTheFirstDisplayDriverAndTheFallbacksAndMarksNothingModified) {
  Win32Registry machine(root.Path() + "\\Machine", root.Path() + "\\User");
  RegKey deviceMap, service, device;
  ASSERT_EQ(machine.CreateKey(Hive::LocalMachine, names::kDeviceMapKey, deviceMap), kOk);
  WriteText(deviceMap, names::kDeviceVideo0, "\\Registry\\Machine\\System\\CurrentControlSet\\Services\\Own\\Device0");
  ASSERT_EQ(machine.CreateKey(Hive::LocalMachine, "System\\CurrentControlSet\\Services\\Own", service), kOk);
  WriteText(service, names::kImagePath, "System32\\drivers\\own.sys");
  ASSERT_EQ(machine.CreateKey(Hive::LocalMachine, "System\\CurrentControlSet\\Services\\Own\\Device0", device), kOk);
  const std::string_view drivers("owngl\0vga\0fallback\0\0", 21);
  WriteBytes(device, names::kInstalledDisplayDrivers, kRegMultiSz,
             {reinterpret_cast<const std::uint8_t*>(drivers.data()), drivers.size()});

  CMyPropertySheet sheet(PanelCommandLine("-n"), Board("kite,noanswer,nopublish"));
  UiDriver ui;
  Shown shown;
  RECT labels{}, values{};
  bool sameFont = false;
  ui.Start([&](UiDriver& driver) {
    HWND hwnd = driver.WaitForWindow("VexelPanel");
    ASSERT_NE(hwnd, nullptr);
    driver.OnUi([&] {
      HWND page = SheetPages(sheet).about.GetSafeHwnd();
      shown = Look(hwnd, page);
      HWND labelText = LabelsOf(page);
      ::GetWindowRect(labelText, &labels);
      ::GetWindowRect(::GetDlgItem(page, IDC_ABOUT_INFO), &values);
      sameFont = ::SendMessageA(labelText, WM_GETFONT, 0, 0) ==
                 ::SendMessageA(::GetDlgItem(page, IDC_ABOUT_INFO), WM_GETFONT, 0, 0);
    });
    sheet.PressButton(PSBTN_CANCEL);
  });
  sheet.DoModal();
  ui.Join();
  EXPECT_EQ(shown.info,
            "own.sys - \nowngl.dll - \n0x0\n0\n0\nNot Available\n0MB\nNot Retrieved: -nogl specified\n"
            "Not Available\nNot Available");
  EXPECT_FALSE(shown.applyEnabled);
  EXPECT_TRUE(sameFont);
  EXPECT_EQ(labels.top, values.top);
  EXPECT_EQ(labels.bottom, values.bottom);
  EXPECT_EQ(sheet.ExitStatus(), kExitOk);
}

TEST_F(AboutPage, AQuietRunClosesTheSheetByItselfOnceTheInformationIsGathered) {
  CMyPropertySheet sheet(PanelCommandLine("-q -n"), Board("hawk"));
  UiDriver ui;
  std::atomic<bool> returned = false;
  bool closedByItself = false;
  ui.Start([&](UiDriver&) {
    closedByItself = PollUntil(std::chrono::seconds(20), [&] { return returned.load(); });
    // Only when it did not, so that the failure cannot hang the run.
    if (!closedByItself) sheet.PressButton(PSBTN_CANCEL);
  });
  sheet.DoModal();
  returned = true;
  ui.Join();
  EXPECT_TRUE(closedByItself);
  EXPECT_NE(SheetPages(sheet).about.m_strInfo.find("\nVexelHawk\n"), std::string::npos)
      << SheetPages(sheet).about.m_strInfo;
  EXPECT_EQ(SheetPages(sheet).about.m_strRelease, "Rel-4.1.10");
  EXPECT_EQ(sheet.ExitStatus(), kExitOk);
}

}  // namespace
}  // namespace vexel::test
