// The OpenGL probe under Wine: the real answer of the machine's implementation
// (Mesa), and, through the GL seam, the branches Mesa never takes: the maker's
// own vendor, no vendor, every failure with its "Error" box, a probe that
// blocks past the wait, and the system-colour take-over of palette formats
// (an 8-bit Xvfb screen gives Wine no OpenGL pixel format at all, so a palette
// format can only be described through the seam).
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <numeric>
#include <optional>
#include <ostream>
#include <vector>

#include "core/ascii_case.h"
#include "info/probe/error_text.h"
#include "info/probe/gl_api.h"
#include "info/probe/gl_window.h"
#include "info/probe/ogl_info.h"
#include "info/probe/probe_result.h"
#include "info/probe/sys_colors.h"
#include "platform/win32_registry.h"
#include "support/any_message_box.h"
#include "support/registry_root.h"
#include "win/unique_handle.h"

namespace vexel::test {
namespace {

// The probe window of this process; tests running in parallel have their own.
HWND FindProbeWindow() {
  HWND window = nullptr;
  while ((window = ::FindWindowExA(nullptr, window, CGlWindow::kClassName, "Get Version")) != nullptr) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId()) return window;
  }
  return nullptr;
}

enum class FailingCall {
  None,
  ChoosePixelFormat,
  SetPixelFormat,
  GetPixelFormat,
  DescribePixelFormat,
  CreateContext,
  MakeCurrent
};

// The real WGL calls, with the answers a test sets replacing the real ones.
// The probe thread writes the records; the test reads them after the probe
// signalled or ended.
class ScriptedGl : public WglApi {
 public:
  FailingCall failing = FailingCall::None;
  std::optional<std::string> vendor;
  std::optional<std::string> version;
  // Describes the chosen format as an 8-bit 3-3-2 format needing the system palette.
  bool paletteFormat = false;
  UINT paletteUseBefore = SYSPAL_STATIC;
  // When set, GetString signals `entered` and then waits for `block`.
  HANDLE block = nullptr;
  HANDLE entered = nullptr;

  PIXELFORMATDESCRIPTOR wanted{};
  HDC dc = nullptr;
  int chosenFormat = 0;
  std::vector<UINT> paletteUses;
  std::vector<std::vector<int>> colorElements;
  std::vector<std::vector<COLORREF>> colorSets;
  int broadcasts = 0;
  // Seen while the window was open, from the GetString call.
  std::size_t colorSetsWhileOpen = 0;
  WORD paletteEntriesWhileOpen = 0;
  bool windowVisibleWhileOpen = false;
  RECT windowRectWhileOpen{};

  int ChoosePixelFormat(HDC deviceContext, const PIXELFORMATDESCRIPTOR& request) override {
    wanted = request;
    dc = deviceContext;
    if (failing == FailingCall::ChoosePixelFormat) return 0;
    return chosenFormat = WglApi::ChoosePixelFormat(deviceContext, request);
  }
  bool SetPixelFormat(HDC deviceContext, int format, const PIXELFORMATDESCRIPTOR& request) override {
    return failing != FailingCall::SetPixelFormat && WglApi::SetPixelFormat(deviceContext, format, request);
  }
  int GetPixelFormat(HDC deviceContext) override {
    return failing == FailingCall::GetPixelFormat ? 0 : WglApi::GetPixelFormat(deviceContext);
  }
  bool DescribePixelFormat(HDC deviceContext, int format, PIXELFORMATDESCRIPTOR& description) override {
    if (failing == FailingCall::DescribePixelFormat) return false;
    const bool described = WglApi::DescribePixelFormat(deviceContext, format, description);
    if (paletteFormat) {
      description.dwFlags |= PFD_NEED_PALETTE | PFD_NEED_SYSTEM_PALETTE;
      description.cColorBits = 8;
      description.cRedBits = 3;
      description.cRedShift = 0;
      description.cGreenBits = 3;
      description.cGreenShift = 3;
      description.cBlueBits = 2;
      description.cBlueShift = 6;
    }
    return described;
  }
  HGLRC CreateContext(HDC deviceContext) override {
    return failing == FailingCall::CreateContext ? nullptr : WglApi::CreateContext(deviceContext);
  }
  bool MakeCurrent(HDC deviceContext, HGLRC context) override {
    if (context && failing == FailingCall::MakeCurrent) return false;
    return WglApi::MakeCurrent(deviceContext, context);
  }
  std::string GetString(unsigned name) override {
    if (block) ::SignalObjectAndWait(entered, block, 60000, FALSE);
    NoteWhileOpen();
    if (name == GL_VENDOR && vendor) return *vendor;
    if (name == GL_VERSION && version) return *version;
    return WglApi::GetString(name);
  }
  UINT SetSystemPaletteUse(HDC, UINT use) override {
    paletteUses.push_back(use);
    return use == SYSPAL_NOSTATIC ? paletteUseBefore : SYSPAL_NOSTATIC;
  }
  COLORREF GetSysColor(int element) override { return SavedColor(element); }
  void SetSysColors(std::span<const int> elements, std::span<const COLORREF> colors) override {
    colorElements.emplace_back(elements.begin(), elements.end());
    colorSets.emplace_back(colors.begin(), colors.end());
  }
  void BroadcastSysColorChange() override { ++broadcasts; }

  static COLORREF SavedColor(int element) { return 0x00A0B000 + static_cast<COLORREF>(element); }

 private:
  void NoteWhileOpen() {
    colorSetsWhileOpen = colorSets.size();
    const HWND window = FindProbeWindow();
    windowVisibleWhileOpen = window && ::IsWindowVisible(window);
    if (window) ::GetWindowRect(window, &windowRectWhileOpen);
    const auto palette = static_cast<HPALETTE>(::GetCurrentObject(dc, OBJ_PAL));
    if (palette != ::GetStockObject(DEFAULT_PALETTE))
      ::GetObjectA(palette, sizeof(paletteEntriesWhileOpen), &paletteEntriesWhileOpen);
  }
};

class OpenGlProbe : public testing::Test {
 protected:
  std::optional<std::string> Run(DWORD waitMs = kOpenGlProbeWaitMs) {
    return RunOpenGlProbe(std::make_shared<COglInfo>(registry_, gl_), waitMs);
  }

  TestRegistryRoot root_;
  std::shared_ptr<Win32Registry> registry_ =
      std::make_shared<Win32Registry>(root_.Path() + "\\Machine", root_.Path() + "\\User");
  std::shared_ptr<ScriptedGl> gl_ = std::make_shared<ScriptedGl>();
};

// Mesa is not the maker's implementation, so the answer is its vendor. Which
// string is asked for is checked through the seam: ScriptedGl answers GL_VENDOR only.
TEST(OpenGlProbeReal, AnswersWithTheImplementationsVendorUpperCased) {
  const auto result =
      RunOpenGlProbe(std::make_shared<COglInfo>(std::make_shared<Win32Registry>(), std::make_shared<WglApi>()));
  ASSERT_TRUE(result.has_value());
  EXPECT_NE(*result, kOpenGlWindowFailedText);
  EXPECT_NE(*result, kOpenGlTimedOutText);
  EXPECT_NE(*result, "") << "no OpenGL implementation answered";
  EXPECT_EQ(*result, AsciiUpperCased(*result));
  EXPECT_FALSE(FindProbeWindow());
  std::printf("The probe answered \"%s\"\n", result->c_str());
}

TEST_F(OpenGlProbe, AsksForADoubleBufferedRgbaFormatAndShowsItsWindowAtTheCorner) {
  gl_->vendor = "Seam Vendor";
  EXPECT_EQ(Run(), "SEAM VENDOR");
  PIXELFORMATDESCRIPTOR expected{};
  expected.nSize = 40;
  expected.nVersion = 1;
  expected.dwFlags = 0x25;
  expected.iPixelType = PFD_TYPE_RGBA;
  expected.cColorBits = 24;
  EXPECT_EQ(std::memcmp(&gl_->wanted, &expected, sizeof(expected)), 0);
  EXPECT_TRUE(gl_->windowVisibleWhileOpen);
  // The placement counts the caption's border apart from the caption, as the
  // classic metrics did; where the caption height includes it, the corner is
  // one border higher.
  EXPECT_EQ(gl_->windowRectWhileOpen.left, 0);
  EXPECT_LE(std::abs(gl_->windowRectWhileOpen.top), ::GetSystemMetrics(SM_CYBORDER));
  EXPECT_FALSE(FindProbeWindow());
  // A true-colour format needs no palette, so the desktop's colours stay.
  EXPECT_TRUE(gl_->paletteUses.empty());
  EXPECT_EQ(gl_->paletteEntriesWhileOpen, 0);
}

// Which vendors are the maker's is the unit tests' part (test_probe_texts.cpp).
TEST_F(OpenGlProbe, TheMakersVendorGivesTheVersionExactlyAnyOtherItselfUpperCased) {
  gl_->version = "1.1.0 VexelGL build 3.30 (Beta)";
  const std::pair<const char*, std::string> answers[] = {
      {"vexel ltd.", *gl_->version}, {"Vexe-L Graphics", "VEXE-L GRAPHICS"}, {"", ""}};
  for (const auto& [vendor, expected] : answers) {
    gl_->vendor = vendor;
    EXPECT_EQ(Run(), expected) << '"' << vendor << '"';
  }
}

struct FailureCase {
  const char* callName;
  FailingCall call;
  const char* text;  // the box text, but for the palette steps, whose texts name the DC or the format
  bool opens;        // whether the window still opened
};

void PrintTo(const FailureCase& failure, std::ostream* out) { *out << failure.callName; }

class OpenGlProbeFailure : public OpenGlProbe, public testing::WithParamInterface<FailureCase> {};

TEST_P(OpenGlProbeFailure, ShowsItsErrorBoxAndEndsAsExpected) {
  gl_->failing = GetParam().call;
  gl_->vendor = "Seam Vendor";
  auto answering = std::async(std::launch::async, [] { return AnswerAnyMessageBox(); });
  const auto result = Run();
  const AnsweredBox box = answering.get();
  std::string text = GetParam().text;
  if (GetParam().call == FailingCall::GetPixelFormat) {
    const auto dc = static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(gl_->dc));
    text = FormatErrorText("Could not get pixel format for Dc 0x%08lX\n", dc);
  } else if (GetParam().call == FailingCall::DescribePixelFormat) {
    text = FormatErrorText("Could not get a description of pixel format %d\n", gl_->chosenFormat);
  }
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(result, GetParam().opens ? std::string("SEAM VENDOR") : std::string(kOpenGlWindowFailedText));
  EXPECT_EQ(box.ownerClass, CGlWindow::kClassName) << "the box belongs to the window with the focus";
  EXPECT_FALSE(FindProbeWindow());
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, OpenGlProbeFailure,
    testing::Values(FailureCase{"ChoosePixelFormat", FailingCall::ChoosePixelFormat,
                                "Selecting a pixel format failed\n", false},
                    FailureCase{"SetPixelFormat", FailingCall::SetPixelFormat, "SetPixelFormat failed\n", false},
                    FailureCase{"wglCreateContext", FailingCall::CreateContext, "wglCreateContext Failed\n", false},
                    FailureCase{"wglMakeCurrent", FailingCall::MakeCurrent, "wglMakeCurrent Failed\n", false},
                    FailureCase{"GetPixelFormat", FailingCall::GetPixelFormat, "", true},
                    FailureCase{"DescribePixelFormat", FailingCall::DescribePixelFormat, "", true}));

TEST_F(OpenGlProbe, BlockingPastTheWaitLeavesTheTimeOutTextAndTheLateProbeFreesItself) {
  const win::UniqueHandle release(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const win::UniqueHandle entered(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  gl_->block = release.Get();
  gl_->entered = entered.Get();
  auto probe = std::make_shared<COglInfo>(registry_, gl_);
  const std::weak_ptr<COglInfo> watched = probe;

  EXPECT_EQ(RunOpenGlProbe(std::move(probe), 200), std::string(kOpenGlTimedOutText));
  // Start-up has gone on while the probe still holds its window.
  EXPECT_FALSE(watched.expired());
  ASSERT_EQ(::WaitForSingleObject(entered.Get(), 30000), WAIT_OBJECT_0);
  EXPECT_TRUE(FindProbeWindow());

  ::SetEvent(release.Get());
  for (int i = 0; i < 1500 && !watched.expired(); ++i) ::Sleep(20);
  EXPECT_TRUE(watched.expired()) << "the late probe was not freed when its thread ended";
  EXPECT_FALSE(FindProbeWindow());
}

class OpenGlProbePalette : public OpenGlProbe {
 protected:
  void SetUp() override {
    gl_->paletteFormat = true;
    gl_->vendor = "Seam Vendor";
    RegKey colors;
    ASSERT_EQ(registry_->CreateKey(Hive::CurrentUser, kUserColorsKey, colors), kOk);
    WriteText(colors, "Background", "1 2 3");
    WriteText(colors, "InfoWindow", "255 255 0");
    WriteBytes(colors, "Window", kRegBinary, std::vector<std::uint8_t>{'4', ' ', '5', ' ', '6', 0});
  }
};

// Which colour each element takes and which of the user's values count is the
// unit tests' part (test_probe_sys_colors.cpp); here, when and how they are set.
TEST_F(OpenGlProbePalette, SystemColoursTurnBlackAndWhiteWhileOpenAndComeBackFromTheUsersSettings) {
  EXPECT_EQ(Run(), "SEAM VENDOR");
  EXPECT_EQ(gl_->paletteEntriesWhileOpen, 256);
  EXPECT_EQ(gl_->paletteUses, (std::vector<UINT>{SYSPAL_NOSTATIC, SYSPAL_STATIC}));
  EXPECT_EQ(gl_->colorSetsWhileOpen, 1u);
  EXPECT_EQ(gl_->broadcasts, 2);
  std::vector<int> elements(kSysColorElements.size());
  std::iota(elements.begin(), elements.end(), 0);
  EXPECT_EQ(gl_->colorElements, (std::vector<std::vector<int>>{elements, elements}));
  ASSERT_EQ(gl_->colorSets.size(), 2u);
  ASSERT_EQ(gl_->colorSets[0].size(), elements.size());
  EXPECT_EQ(gl_->colorSets[0][1], kPaletteBlack) << "Background";
  EXPECT_EQ(gl_->colorSets[0][24], kPaletteWhite) << "InfoWindow";
  std::vector<COLORREF> givenBack;
  for (const int element : elements) givenBack.push_back(ScriptedGl::SavedColor(element));
  givenBack[1] = RGB(1, 2, 3);
  givenBack[24] = RGB(255, 255, 0);
  EXPECT_EQ(gl_->colorSets[1], givenBack);
}

TEST_F(OpenGlProbePalette, PaletteNotInStaticUseIsLeftAsItIs) {
  gl_->paletteUseBefore = SYSPAL_NOSTATIC;
  EXPECT_EQ(Run(), "SEAM VENDOR");
  EXPECT_EQ(gl_->paletteEntriesWhileOpen, 256);
  EXPECT_EQ(gl_->paletteUses, std::vector<UINT>{SYSPAL_NOSTATIC});
  EXPECT_TRUE(gl_->colorSets.empty());
  EXPECT_EQ(gl_->broadcasts, 0);
}

}  // namespace
}  // namespace vexel::test
