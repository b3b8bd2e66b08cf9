#include "support/whole_run.h"

#include <gtest/gtest.h>
#include <prsht.h>

#include <chrono>
#include <initializer_list>

#include "resource.h"
#include "support/message_boxes.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

using std::chrono::seconds;

constexpr char kRestartPromptCaption[] = "Display Driver Settings";
// More boxes than any apply shows: a run that keeps showing them is stopped.
constexpr int kMaxBoxes = 8;

// Holds keys down in this thread's keyboard state, as GetKeyState sees it.
void HoldKeys(std::initializer_list<int> keys) {
  BYTE state[256] = {};
  for (int key : keys) state[key] = 0x80;
  ::SetKeyboardState(state);
}

// The Advanced page appears on a click into the sheet with Shift and Ctrl held.
void AddAdvancedPage(HWND sheet) {
  HoldKeys({VK_SHIFT, VK_CONTROL});
  ::SendMessageA(sheet, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(sheet), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
  HoldKeys({});
}

void ShowEveryPage(CMyPropertySheet& sheet, HWND hwnd, WholeRunSeen& seen) {
  sheet.SetActivePage(&SheetPages(sheet).about);
  seen.aboutInfo = ChildText(SheetPages(sheet).about.GetSafeHwnd(), IDC_ABOUT_INFO);
  sheet.SetActivePage(&SheetPages(sheet).settings);
  sheet.SetActivePage(&SheetPages(sheet).settings3d);
  AddAdvancedPage(hwnd);
  if (sheet.SetActivePage(&SheetPages(sheet).advanced)) {
    seen.advancedClock = ChildText(SheetPages(sheet).advanced.GetSafeHwnd(), IDC_ADVANCED_MCLK);
  }
}

// Answers what follows OK until the sheet is gone: message boxes with OK,
// the restart prompt with Restart Now (the simulated board restarts).
void AnswerUntilClosed(UiDriver& driver, CMyPropertySheet& sheet, HWND hwnd, WholeRunSeen& seen) {
  const auto nextEvent = [&](seconds timeout) {
    return PollUntil(timeout, [&] {
      return !::IsWindow(hwnd) || driver.MessageBoxOpen() || ::FindWindowA(nullptr, kRestartPromptCaption);
    });
  };
  for (int round = 0; round < kMaxBoxes && nextEvent(seconds(20)) && ::IsWindow(hwnd); ++round) {
    if (HWND prompt = ::FindWindowA(nullptr, kRestartPromptCaption)) {
      ::PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(IDC_RESTART_NOW, BN_CLICKED), 0);
      PollUntil(seconds(20), [&] { return !::IsWindow(prompt); });
      continue;
    }
    seen.told.push_back(driver.AnswerMessageBox());
    // A page that refused to be left keeps the sheet open with nothing to follow.
    if (!nextEvent(seconds(2))) sheet.PressButton(PSBTN_CANCEL);
  }
}

std::wstring Wide(std::string_view text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

WholeRunSeen RunEveryPage(CMyPropertySheet& sheet, const SheetSteps& steps) {
  WholeRunSeen seen;
  UiDriver ui;
  ui.Start([&](UiDriver& driver) {
    HWND hwnd = driver.WaitForWindow("VexelPanel");
    ASSERT_NE(hwnd, nullptr);
    driver.OnUi([&] { ShowEveryPage(sheet, hwnd, seen); });
    if (steps) steps(driver, sheet);
    sheet.PressButton(PSBTN_OK);
    AnswerUntilClosed(driver, sheet, hwnd, seen);
  });
  sheet.DoModal();
  ui.Join();
  return seen;
}

RawValues ReadRawValues(HKEY parent, const std::string& path) {
  RawValues values;
  HKEY key = nullptr;
  if (::RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    char name[256];
    DWORD nameSize = sizeof(name);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegEnumValueA(key, index, name, &nameSize, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::string bytes(size, '\0');
    // Wide, so that text values come back as the bytes they are.
    const std::wstring wideName = Wide(name);
    ::RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
    values[name] = {type, bytes.substr(0, size)};
  }
  ::RegCloseKey(key);
  return values;
}

void PutRawValue(HKEY parent, const std::string& path, std::string_view name, const RawValue& value) {
  HKEY key = nullptr;
  ASSERT_EQ(::RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const std::wstring wideName = Wide(name);
  EXPECT_EQ(::RegSetValueExW(key, wideName.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                             static_cast<DWORD>(value.bytes.size())),
            ERROR_SUCCESS);
  ::RegCloseKey(key);
}

RawValue Dword(std::uint32_t value) {
  return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof(value))};
}

std::string Utf16Bytes(std::u16string_view text, bool terminated) {
  std::string bytes;
  for (const char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
  if (terminated) bytes += std::string(2, '\0');
  return bytes;
}

}  // namespace vexel::test
