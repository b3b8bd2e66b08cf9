// The simulated board as the program gets it through its seams: real
// registry values below a test root, WM_DISPLAYCHANGE to the test's own
// windows, and the variable that switches it on.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/ascii_case.h"
#include "modes/mode_catalogue.h"
#include "modes/mode_choices.h"
#include "platform/gdi_display.h"
#include "sim/simulated_display.h"
#include "sim/simulated_seams.h"
#include "store/driver_store.h"
#include "store/key_paths.h"
#include "store/value_names.h"
#include "support/process.h"
#include "support/simulated_board_test.h"

namespace vexel {
namespace {

constexpr char kDeviceKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr DisplayMode kStartupMode{15, 1024, 768, 60};

// A hidden top-level window of this process that keeps every
// WM_DISPLAYCHANGE it receives.
class DisplayChangeListener {
 public:
  struct Change {
    WPARAM bitsPerPixel;
    LPARAM size;
  };

  DisplayChangeListener() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "VexelDisplayChangeListener";
    ::RegisterClassA(&windowClass);
    window_ = ::CreateWindowA(windowClass.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              windowClass.hInstance, nullptr);
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&changes_));
  }
  ~DisplayChangeListener() { ::DestroyWindow(window_); }
  DisplayChangeListener(const DisplayChangeListener&) = delete;
  DisplayChangeListener& operator=(const DisplayChangeListener&) = delete;

  // What has arrived since the last call; posted messages are all queued by then.
  std::vector<Change> Received() {
    MSG message;
    while (::PeekMessageA(&message, window_, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    return std::exchange(changes_, {});
  }

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* changes = reinterpret_cast<std::vector<Change>*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (message == WM_DISPLAYCHANGE && changes) changes->push_back({wParam, lParam});
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
  }

  HWND window_ = nullptr;
  std::vector<Change> changes_;
};

// Sets the variable for one test and restores its absence afterwards.
class SimulateVariable {
 public:
  explicit SimulateVariable(const std::string& value) { ::SetEnvironmentVariableA(kSimulateVariable, value.c_str()); }
  ~SimulateVariable() { ::SetEnvironmentVariableA(kSimulateVariable, nullptr); }
  SimulateVariable(const SimulateVariable&) = delete;
  SimulateVariable& operator=(const SimulateVariable&) = delete;
};

class SimulatedSeams : public test::SimulatedBoardTest {
 protected:
  // Whether `reg query` shows the value with this type and data. The tool
  // shows the name as the board spelt it, which need not be the panel's
  // case, so the line is compared without regard to case.
  bool RegToolShows(std::string_view key, std::string_view name, std::string_view type, std::string_view data) const {
    const std::string command =
        "reg query \"" + root.RegToolPath("Machine\\" + std::string(key)) + "\" /v \"" + std::string(name) + "\"";
    const test::ProcessResult result = test::RunProcess(command, 60000);
    const std::string line =
        AsciiLowerCased("    " + std::string(name) + "    " + std::string(type) + "    " + std::string(data) + "\r\n");
    const bool shown = AsciiLowerCased(result.output).find(line) != std::string::npos;
    EXPECT_TRUE(shown) << command << "\nexit status " << result.exitCode << (result.finished ? "" : ", did not end")
                       << ":\n"
                       << result.output;
    return shown;
  }
};

TEST_F(SimulatedSeams, BootWritesTheMiniportLayoutBelowItsRootOnly) {
  Board("hawk,8mb,lb24");
  EXPECT_TRUE(RegToolShows(names::kDeviceMapKey, names::kDeviceVideo0, "REG_SZ",
                           "\\REGISTRY\\Machine\\System\\CurrentControlSet\\Services\\Vexel3D\\Device0"));
  EXPECT_TRUE(RegToolShows(ServiceKeyPath(kDeviceKey), names::kImagePath, "REG_EXPAND_SZ",
                           "\\SystemRoot\\System32\\drivers\\vexel3d.sys"));
  EXPECT_TRUE(RegToolShows(kDeviceKey, names::kInstalledDisplayDrivers, "REG_MULTI_SZ", "vexel3d"));
  EXPECT_TRUE(
      RegToolShows(kDeviceKey, names::kAdapterString, "REG_BINARY", "56006500780065006C004800610077006B000000"));
  EXPECT_TRUE(RegToolShows(kDeviceKey, names::kDacType, "REG_BINARY", "54004900200054005600500033003000320036000000"));
  EXPECT_TRUE(RegToolShows(kDeviceKey, names::kMemorySize, "REG_DWORD", "0x800000"));
  EXPECT_TRUE(RegToolShows(kDeviceKey, names::kLocalbufferBitsPerPel, "REG_DWORD", "0x18"));
  EXPECT_TRUE(RegToolShows(kDeviceKey, names::kDefaultXResolution, "REG_DWORD", "0x400"));
  HKEY real = nullptr;
  EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, ServiceKeyPath(kDeviceKey).c_str(), 0, KEY_READ, &real));
}

TEST_F(SimulatedSeams, TheVariableChoosesTheBoardAndItsAbsenceTheRealDisplay) {
  {
    SimulateVariable variable("kite,4mb,lb24,root=" + root.Path());
    const Seams seams = MakeSeams();
    EXPECT_TRUE(dynamic_cast<SimulatedDisplay*>(seams.display.get()));
    EXPECT_EQ(kDeviceKey, FindDeviceKey(*seams.registry));
    DriverInfoReply info;
    bool answered = false;
    std::uint32_t memory = 0;
    EXPECT_TRUE(QueryDriverInfo(*seams.registry, *seams.display, kDeviceKey, info, answered, memory));
    EXPECT_EQ(0u, info.BoardModel());
    EXPECT_EQ(24u, info.LocalBufferWidth());
    EXPECT_EQ(4u << 20, memory);
  }
  const Seams production = MakeSeams();
  EXPECT_TRUE(dynamic_cast<GdiDisplay*>(production.display.get()));
  EXPECT_NE(kDeviceKey, FindDeviceKey(*production.registry));
}

TEST_F(SimulatedSeams, EveryVariantIsReached) {
  struct Variant {
    const char* words;
    bool answered;
    std::uint32_t boardModel;
    std::uint32_t memory;
    std::uint32_t localBufferBits;
  };
  const Variant variants[] = {{"hawk,8mb,lb32", true, 1, 8u << 20, 32}, {"hawk,4mb,lb24", true, 1, 4u << 20, 24},
                              {"kite,8mb,lb24", true, 0, 8u << 20, 24}, {"kite,4mb,lb32", true, 0, 4u << 20, 32},
                              {"hawk,noanswer", false, 0, 8u << 20, 0}, {"kite,no2050", false, 0, 8u << 20, 0}};
  for (const Variant& variant : variants) {
    const Seams seams = Board(variant.words);
    DriverInfoReply info;
    bool answered = false;
    std::uint32_t memory = 0;
    QueryDriverInfo(*seams.registry, *seams.display, kDeviceKey, info, answered, memory);
    EXPECT_EQ(variant.answered, answered) << variant.words;
    EXPECT_EQ(variant.boardModel, info.BoardModel()) << variant.words;
    EXPECT_EQ(variant.localBufferBits, info.LocalBufferWidth()) << variant.words;
    EXPECT_EQ(variant.memory, memory) << variant.words;
  }
}

TEST_F(SimulatedSeams, ListsItsModesWithADuplicateAndAcceptsEachInATest) {
  const Seams seams = Board("hawk");
  ModeCatalogue catalogue;
  FillModeCatalogue(catalogue, "", *seams.display);
  EXPECT_EQ(43u, catalogue.size());
  EXPECT_EQ(2, std::ranges::count(catalogue, kStartupMode));
  EXPECT_EQ((std::vector<std::int32_t>{640, 800, 1024, 1152, 1280}), BuildDesktopAreaWidths(catalogue));
  for (const DisplayMode& mode : catalogue) {
    EXPECT_EQ(kDispChangeSuccessful, seams.display->ChangeMode(mode, true));
  }
  EXPECT_EQ(kDispChangeBadMode, seams.display->ChangeMode({32, 1280, 1024, 60}, true));
}

TEST_F(SimulatedSeams, ASwitchIsReportedByTheCapsAndAnnouncedToOwnWindows) {
  const DeviceCaps realBefore = GdiDisplay().Caps();
  DisplayChangeListener listener;
  const Seams seams = Board("kite");
  EXPECT_EQ((DeviceCaps{1024, 768, 16, 60}), seams.display->Caps());

  EXPECT_EQ(kDispChangeSuccessful, seams.display->ChangeMode({32, 800, 600, 75}, true));
  EXPECT_TRUE(listener.Received().empty());
  EXPECT_EQ(kDispChangeSuccessful, seams.display->ChangeMode({32, 800, 600, 75}, false));
  EXPECT_EQ((DeviceCaps{800, 600, 32, 75}), seams.display->Caps());
  auto changes = listener.Received();
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ(32u, changes[0].bitsPerPixel);
  EXPECT_EQ(MAKELPARAM(800, 600), changes[0].size);

  seams.display->BroadcastDisplayChange(0, 1280, 1024);
  changes = listener.Received();
  ASSERT_EQ(1u, changes.size());
  EXPECT_EQ(0u, changes[0].bitsPerPixel);
  EXPECT_EQ(MAKELPARAM(1280, 1024), changes[0].size);
  EXPECT_EQ(realBefore, GdiDisplay().Caps());
}

TEST_F(SimulatedSeams, RunningModeLastsUntilARestartBootsTheProfileKeysMode) {
  Board("hawk").display->ChangeMode({8, 1152, 870, 60}, false);
  const Seams seams = Board("hawk");
  EXPECT_EQ((DeviceCaps{1152, 870, 8, 60}), seams.display->Caps());

  RegKey profile;
  ASSERT_EQ(kOk, seams.registry->CreateKey(Hive::LocalMachine, ProfileKeyPath(kDeviceKey), profile));
  WriteDword(profile, names::kDefaultXResolution, 800);
  WriteDword(profile, names::kDefaultYResolution, 600);
  WriteDword(profile, names::kDefaultBitsPerPel, 32);
  WriteDword(profile, names::kDefaultVRefresh, 72);
  int failures = 0;
  seams.restart->Restart([&](const RestartFailure&) { ++failures; });
  EXPECT_EQ(0, failures);
  EXPECT_EQ((DeviceCaps{800, 600, 32, 72}), seams.display->Caps());
  EXPECT_TRUE(RegToolShows(kDeviceKey, names::kDefaultXResolution, "REG_DWORD", "0x400"));
}

}  // namespace
}  // namespace vexel
