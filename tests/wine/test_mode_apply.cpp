// Applying the Settings page on the simulated board: the stored start-up
// mode and preset byte for byte, the live switch and its announcements, the
// restart prompt and the restart, and what is told when keys fail.
#include <windows.h>
#include <prsht.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/property_sheet.h"
#include "resource.h"
#include "shared/memory_registry.h"
#include "store/key_paths.h"
#include "store/value_names.h"
#include "support/message_boxes.h"
#include "support/simulated_board_test.h"
#include "support/ui_driver.h"
#include "support/sheet_pages.h"

namespace vexel::test {
namespace {

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr char kPromptCaption[] = "Display Driver Settings";
constexpr DisplayMode kStartup{15, 1024, 768, 60};
constexpr DisplayMode kChosen{32, 800, 600, 75};
constexpr AppSettings kProEngineer{"Pro/ENGINEER or Pro/JR.", 1, 0, 5, 1, 0};
constexpr UINT kApplyNowId = 0x3021;

std::string Text(const DisplayMode& mode) {
  return std::to_string(mode.BitsPerPel) + "/" + std::to_string(mode.PelsWidth) + "x" +
         std::to_string(mode.PelsHeight) + "@" + std::to_string(mode.DisplayFrequency);
}

// The board's display seam, recording the sets and announcements the panel
// asks for; it can reject one mode in CDS_TEST as a driver may.
class RecordingDisplay final : public Display {
 public:
  explicit RecordingDisplay(std::shared_ptr<Display> board) : m_board(std::move(board)) {}

  std::optional<DisplayMode> RejectedInTest;
  std::vector<std::string> Calls;
  // The listing numbers of the modes tested.
  std::vector<std::uint32_t> Tested;

  bool EnumMode(std::uint32_t number, DisplayMode& out) override {
    m_listing = number;
    return m_board->EnumMode(number, out);
  }
  int Escape(std::int32_t code, std::span<const std::uint8_t> in, std::span<std::uint8_t> out) override {
    return m_board->Escape(code, in, out);
  }
  DeviceCaps Caps() override { return m_board->Caps(); }
  long ChangeMode(const DisplayMode& mode, bool testOnly) override {
    if (testOnly) {
      Tested.push_back(m_listing);
      return mode == RejectedInTest ? kDispChangeBadMode : m_board->ChangeMode(mode, true);
    }
    Calls.push_back("set " + Text(mode));
    return m_board->ChangeMode(mode, false);
  }
  void BroadcastDisplayChange(std::uint32_t bits, std::int32_t width, std::int32_t height) override {
    Calls.push_back("announce " + std::to_string(bits) + " " + std::to_string(width) + "x" + std::to_string(height));
    m_board->BroadcastDisplayChange(bits, width, height);
  }
  VersionInfo Version() override { return m_board->Version(); }

 private:
  std::shared_ptr<Display> m_board;
  std::uint32_t m_listing = 0;
};

// The board's restart, or one whose every step fails; never the system's.
class ScriptedRestart final : public SystemRestart {
 public:
  explicit ScriptedRestart(std::shared_ptr<SystemRestart> board) : m_board(std::move(board)) {}
  bool Failing = false;
  int Runs = 0;

  void Restart(const FailureReport& report) override {
    ++Runs;
    if (!Failing) return m_board->Restart(report);
    report({"OpenProcessToken", 1314});
    report({"AdjustTokenPrivileges", 1300});
    report({"Error ExitWindows", 1115});
  }

 private:
  std::shared_ptr<SystemRestart> m_board;
};

// Counts the restart prompts the UI thread creates. While none is expected
// it refuses to create them, so a wrong prompt fails a test, not hangs it.
class PromptWatch {
 public:
  explicit PromptWatch(bool expected) : m_expected(expected) {
    s_current = this;
    m_hook = ::SetWindowsHookExA(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId());
  }
  ~PromptWatch() {
    ::UnhookWindowsHookEx(m_hook);
    s_current = nullptr;
  }
  PromptWatch(const PromptWatch&) = delete;
  PromptWatch& operator=(const PromptWatch&) = delete;
  long Count() const { return m_count; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const char* name = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszName;
      if (!IS_INTRESOURCE(name) && std::string(name) == kPromptCaption) {
        ++s_current->m_count;
        if (!s_current->m_expected) return 1;
      }
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static inline PromptWatch* s_current = nullptr;
  bool m_expected;
  long m_count = 0;
  HHOOK m_hook;
};

using Stored = std::pair<std::uint32_t, std::string>;

Stored Dword(std::uint32_t value) {
  const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                         static_cast<char>(value >> 24)};
  return {kRegDword, std::string(bytes, 4)};
}

std::vector<Stored> ModeValues(const DisplayMode& mode) {
  return {Dword(static_cast<std::uint32_t>(mode.PelsWidth)), Dword(static_cast<std::uint32_t>(mode.PelsHeight)),
          Dword(static_cast<std::uint32_t>(mode.BitsPerPel)), Dword(static_cast<std::uint32_t>(mode.DisplayFrequency))};
}

class ModeApply : public SimulatedBoardTest {
 protected:
  struct Choice {
    DisplayMode mode;
    std::optional<AppSettings> preset;
  };
  // What the run saw: the prompt's texts and place, the page's desktop area.
  struct Seen {
    std::vector<std::string> promptTexts;
    HICON promptIcon = nullptr;
    POINT promptMiddle{};
    POINT sheetMiddle{};
    std::string desktopArea;
    DisplayMode shownMode{};
  };

  void SetUp() override {
    seams = Board("hawk");
    display = std::make_shared<RecordingDisplay>(seams.display);
    restart = std::make_shared<ScriptedRestart>(seams.restart);
    seams.display = display;
    seams.restart = restart;
  }

  // Opens the sheet, takes `choice` on the Settings page as its controls
  // would, presses `button` once per entry of `promptAnswers` (0: no prompt
  // expected), answers each prompt and then `boxes` message boxes, and runs
  // `between` after each apply. Returns the boxes' texts once the sheet closed.
  std::vector<std::string> Run(
      const std::string& arguments, const Choice& choice, int button, const std::vector<int>& promptAnswers,
      int boxes = 0, const std::function<void()>& between = [] {}) {
    CMyPropertySheet sheet(PanelCommandLine("-n " + arguments), seams);
    const auto prompts = std::ranges::count_if(promptAnswers, [](int answer) { return answer != 0; });
    PromptWatch watch(prompts > 0);
    std::vector<std::string> told;
    UiDriver ui;
    ui.Start([&](UiDriver& driver) {
      HWND hwnd = driver.WaitForWindow("VexelPanel");
      ASSERT_NE(hwnd, nullptr);
      for (int answer : promptAnswers) {
        Press(driver, sheet, choice, button);
        if (answer) AnswerPrompt(driver, hwnd, answer);
        for (int box = 0; box < boxes; ++box) told.push_back(driver.AnswerMessageBox());
        if (button == PSBTN_OK) return;
        AwaitApplied(driver, hwnd, sheet);
        between();
      }
      sheet.PressButton(PSBTN_CANCEL);
    });
    sheet.DoModal();
    ui.Join();
    EXPECT_EQ(watch.Count(), prompts);
    return told;
  }

  void Press(UiDriver& driver, CMyPropertySheet& sheet, const Choice& choice, int button) {
    driver.OnUi([&] {
      CMyPropertyPage2& page = SheetPages(sheet).settings;
      page.SetCurrentMode(choice.mode);
      page.m_bAppSettingsPending = choice.preset.has_value();
      if (choice.preset) page.m_AppSettings = *choice.preset;
      page.SetModified();
      sheet.PressButton(button);
    });
  }

  void AnswerPrompt(UiDriver& driver, HWND sheetWindow, int answer) {
    HWND prompt = driver.WaitForWindow(kPromptCaption);
    ASSERT_NE(prompt, nullptr);
    driver.OnUi([&] {
      seen.promptTexts.clear();
      for (HWND child = ::GetWindow(prompt, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const bool icon = (::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && ClassOf(child) == "Static";
        if (icon) seen.promptIcon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        if (!icon) seen.promptTexts.push_back(win::WindowText(child));
      }
      seen.promptMiddle = Middle(prompt);
      seen.sheetMiddle = Middle(sheetWindow);
    });
    ::PostMessageA(prompt, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
    EXPECT_TRUE(PollUntil(std::chrono::seconds(20), [&] { return !::IsWindow(prompt); }));
  }

  // Everything the press posted runs here, on the UI thread: the apply
  // itself and then the display changes it announced. (A switch leaves Apply
  // enabled again: showing the new mode marks the Settings page modified.)
  void AwaitApplied(UiDriver& driver, HWND, CMyPropertySheet& sheet) {
    driver.OnUi([&] {
      MSG message;
      while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
      seen.desktopArea = ChildText(SheetPages(sheet).settings.GetSafeHwnd(), IDC_SETTINGS_DESKTOP_AREA_TEXT);
      seen.shownMode = SheetPages(sheet).settings.CurrentMode();
    });
  }

  static POINT Middle(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
  }

  // A value exactly as stored, type and bytes.
  Stored Value(const std::string& key, const char* name) const {
    RegKey open;
    if (seams.registry->OpenKey(Hive::LocalMachine, key, open) != kOk) return {0, "<no key>"};
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (open.QueryValue(name, &type, nullptr, &size) != kOk) return {0, "<no value>"};
    std::string bytes(size, '\0');
    open.QueryValue(name, &type, bytes.data(), &size);
    return {type, bytes};
  }
  std::vector<Stored> ModeValuesIn(const std::string& key) const {
    std::vector<Stored> values;
    for (const char* name :
         {names::kDefaultXResolution, names::kDefaultYResolution, names::kDefaultBitsPerPel, names::kDefaultVRefresh}) {
      values.push_back(Value(key, name));
    }
    return values;
  }
  std::vector<Stored> PresetValuesIn(const std::string& key) const {
    std::vector<Stored> values;
    for (const char* name : {names::kApplicationName, names::kNumberOfDmaSubBuffers, names::kUseFastClear,
                             names::kSupportSoftimage, names::kDisableMipMaps, names::kSupportSoftimage351}) {
      values.push_back(Value(key, name));
    }
    return values;
  }
  void MakeProfileKey() const {
    RegKey key;
    ASSERT_EQ(seams.registry->CreateKey(Hive::LocalMachine, ProfileKeyPath(kDeviceKey), key), kOk);
  }

  Seams seams;
  std::shared_ptr<RecordingDisplay> display;
  std::shared_ptr<ScriptedRestart> restart;
  Seen seen;
};

const std::vector<Stored> kNoModeValues(4, Stored{0, "<no value>"});
const std::vector<Stored> kProEngineerValues = {
    {kRegSz, "Pro/ENGINEER or Pro/JR."}, Dword(5), Dword(1), Dword(0), Dword(1), Dword(0)};

TEST_F(ModeApply, AnUnchangedModeWritesNothingSwitchesNothingAndAsksNothing) {
  Run("", {kStartup, std::nullopt}, PSBTN_APPLYNOW, {0});
  EXPECT_EQ(ModeValuesIn(kDeviceKey), ModeValues(kStartup));
  EXPECT_EQ(Value(ProfileKeyPath(kDeviceKey), names::kDefaultXResolution).second, "<no key>");
  EXPECT_EQ(Value(kDeviceKey, names::kApplicationName).second, "<no value>");
  EXPECT_EQ(display->Calls, std::vector<std::string>{});
}

// Under a profile copy the page shows each applied mode after its switch,
// and the start-up mode can be applied back.
TEST_F(ModeApply, UnderAProfileCopyThePageShowsTheAppliedModeAndCanGoBack) {
  const std::string profileKey =
      "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
  RegKey created;
  ASSERT_EQ(seams.registry->CreateKey(Hive::LocalMachine, profileKey, created), kOk);
  for (const DisplayMode& mode : {DisplayMode{8, 1024, 768, 60}, kStartup}) {
    Run("", {mode, std::nullopt}, PSBTN_APPLYNOW, {0});
    EXPECT_EQ(seen.shownMode, mode);
    EXPECT_EQ(ModeValuesIn(profileKey), ModeValues(mode));
  }
  EXPECT_EQ(ModeValuesIn(kDeviceKey), ModeValues(kStartup)) << "the device key keeps its own";
  EXPECT_EQ(display->Calls.size(), 6u) << "switched there and back";
}

class ModeApplyButton : public ModeApply, public ::testing::WithParamInterface<int> {};

TEST_P(ModeApplyButton, AnotherModeIsStoredInTheSettingsKeyAndSwitchedAtOnce) {
  Run("", {kChosen, std::nullopt}, GetParam(), {0});
  EXPECT_EQ(ModeValuesIn(kDeviceKey), ModeValues(kChosen)) << "no profile copy: the settings key";
  EXPECT_EQ(display->Calls,
            (std::vector<std::string>{"announce 0 800x600", "set 32/800x600@75", "announce 32 800x600"}));
  EXPECT_EQ(display->Caps(), (DeviceCaps{800, 600, 32, 75}));
  if (GetParam() == PSBTN_APPLYNOW) {
    EXPECT_EQ(seen.desktopArea, "800 by 600") << "the page shows the new mode";
  }
}

INSTANTIATE_TEST_SUITE_P(OkAndApply, ModeApplyButton, ::testing::Values(PSBTN_APPLYNOW, PSBTN_OK));

TEST_F(ModeApply, AProfileCopyTakesTheModeAndTheSettingsKeyKeepsItsOwn) {
  MakeProfileKey();
  Run("", {kChosen, std::nullopt}, PSBTN_OK, {0});
  EXPECT_EQ(ModeValuesIn(ProfileKeyPath(kDeviceKey)), ModeValues(kChosen));
  EXPECT_EQ(ModeValuesIn(kDeviceKey), ModeValues(kStartup));
}

TEST_F(ModeApply, APresetIsStoredExactlyOnEveryApplyAndDontRestartKeepsIt) {
  MakeProfileKey();
  display->RejectedInTest = kStartup;  // no switch can settle it: the prompt
  std::vector<std::vector<Stored>> afterEach;
  // After the first apply the values go, as another tool might remove them.
  const auto removeName = [&] {
    afterEach.push_back(PresetValuesIn(kDeviceKey));
    RegKey key;
    ASSERT_EQ(seams.registry->OpenKey(Hive::LocalMachine, kDeviceKey, key), kOk);
    key.DeleteValue(names::kApplicationName);
  };
  Run("", {kStartup, kProEngineer}, PSBTN_APPLYNOW, {IDC_RESTART_LATER, IDC_RESTART_LATER}, 0, removeName);
  EXPECT_EQ(afterEach, std::vector<std::vector<Stored>>(2, kProEngineerValues)) << "23 bytes, no NUL";
  EXPECT_EQ(PresetValuesIn(ProfileKeyPath(kDeviceKey))[0].second, "<no value>") << "never the profile copy";
  EXPECT_EQ(restart->Runs, 0);
  EXPECT_EQ(seen.promptTexts,
            (std::vector<std::string>{"Your display settings have changed.",
                                      "You will need to exit and restart Windows NT so that the new settings can "
                                      "take effect.",
                                      "&Restart Now", "&Don't Restart Now"}));
  EXPECT_EQ(seen.promptIcon, ::LoadIconA(nullptr, IDI_EXCLAMATION));
  EXPECT_NEAR(seen.promptMiddle.x, seen.sheetMiddle.x, 1);
  EXPECT_NEAR(seen.promptMiddle.y, seen.sheetMiddle.y, 1);
}

// Setting the mode reloads the driver, which then takes the preset's values too.
TEST_F(ModeApply, APresetWhoseModeTheDriverSetsAsksNothing) {
  Run("", {kStartup, kProEngineer}, PSBTN_APPLYNOW, {0});
  EXPECT_EQ(PresetValuesIn(kDeviceKey), kProEngineerValues);
  EXPECT_EQ(display->Calls,
            (std::vector<std::string>{"announce 0 1024x768", "set 15/1024x768@60", "announce 15 1024x768"}));
}

TEST_F(ModeApply, AModeListedTwiceIsSetFromItsFirstListing) {
  RegKey key;
  ASSERT_EQ(seams.registry->OpenKey(Hive::LocalMachine, kDeviceKey, key), kOk);
  WriteDword(key, names::kDefaultXResolution, 800);
  WriteDword(key, names::kDefaultYResolution, 600);
  std::vector<std::uint32_t> listings;
  DisplayMode listed;
  for (std::uint32_t number = 0; display->EnumMode(number, listed); ++number) {
    if (listed == kStartup) listings.push_back(number);
  }
  ASSERT_EQ(listings.size(), 2u);
  Run("", {kStartup, std::nullopt}, PSBTN_APPLYNOW, {0});
  EXPECT_EQ(display->Tested, std::vector<std::uint32_t>{listings[0]});
  EXPECT_EQ(display->Calls,
            (std::vector<std::string>{"announce 0 1024x768", "set 15/1024x768@60", "announce 15 1024x768"}));
  EXPECT_EQ(ModeValuesIn(kDeviceKey), ModeValues(kStartup));
}

TEST_F(ModeApply, ACardNameAlwaysAsksAndNeverSwitchesAndRestartRebootsTheBoard) {
  Run("-s VexelHawk", {kChosen, std::nullopt}, PSBTN_APPLYNOW, {IDC_RESTART_NOW});
  EXPECT_EQ(display->Calls, std::vector<std::string>{});
  EXPECT_EQ(ModeValuesIn(kDeviceKey), ModeValues(kChosen));
  EXPECT_EQ(restart->Runs, 1);
  EXPECT_EQ(display->Caps(), (DeviceCaps{800, 600, 32, 75})) << "the board rebooted into the stored mode";
}

TEST_F(ModeApply, AModeTheDriverRejectsInItsTestIsStoredAndAsksForARestart) {
  display->RejectedInTest = kChosen;
  Run("", {kChosen, std::nullopt}, PSBTN_OK, {IDC_RESTART_LATER});
  EXPECT_EQ(ModeValuesIn(kDeviceKey), ModeValues(kChosen));
  EXPECT_EQ(display->Calls, std::vector<std::string>{});
  EXPECT_EQ(display->Caps(), (DeviceCaps{1024, 768, 16, 60})) << "still running the start-up mode";
}

TEST_F(ModeApply, EachFailedRestartStepIsToldAndTheNextOneStillRuns) {
  restart->Failing = true;
  const std::vector<std::string> told = Run("-s VexelHawk", {kStartup, std::nullopt}, PSBTN_OK, {IDC_RESTART_NOW}, 3);
  EXPECT_EQ(told, (std::vector<std::string>{"OpenProcessToken Error #1314", "AdjustTokenPrivileges Error #1300",
                                            "Error ExitWindows Error #1115"}));
}

TEST_F(ModeApply, KeysThatDoNotOpenStoreNothingAskNothingAndAreToldOnce) {
  const std::vector<std::string> told = Run("-p System\\Missing\\Key", {kChosen, kProEngineer}, PSBTN_APPLYNOW, {0}, 1);
  ASSERT_EQ(told.size(), 1u);
  const std::string key = "The key HKEY_LOCAL_MACHINE\\System\\Missing\\Key could not be opened";
  EXPECT_NE(told[0].find(key), std::string::npos) << told[0];
  EXPECT_EQ(told[0].find(key), told[0].rfind(key)) << "once, though neither the mode nor the preset was stored:\n"
                                                   << told[0];
  EXPECT_EQ(Value("System\\Missing\\Key", names::kDefaultXResolution).second, "<no key>");
  EXPECT_EQ(display->Calls, std::vector<std::string>{});
}

TEST_F(ModeApply, EveryWriteThatFailsIsToldInOneMessageAndTheApplyCompletes) {
  auto refusing = std::make_shared<MemoryRegistry>();
  refusing->DenyWrites(Hive::LocalMachine, "Refusing\\Key");
  seams.registry = refusing;
  const std::vector<std::string> told = Run("-p Refusing\\Key", {kChosen, kProEngineer}, PSBTN_APPLYNOW, {0}, 1);
  ASSERT_EQ(told.size(), 1u);
  for (const char* name :
       {names::kDefaultXResolution, names::kDefaultVRefresh, names::kApplicationName, names::kSupportSoftimage351}) {
    EXPECT_NE(told[0].find(std::string("\"") + name + "\" in HKEY_LOCAL_MACHINE\\Refusing\\Key"), std::string::npos)
        << told[0];
  }
  EXPECT_EQ(refusing->ValueCount(Hive::LocalMachine, "Refusing\\Key"), 0u);
  EXPECT_EQ(display->Calls.size(), 3u) << "the mode's key opened, so the display still switches";
}

}  // namespace
}  // namespace vexel::test
