// The program's own resources, loaded for real from vexelpanel.exe: bitmaps,
// icon, animation clip, version strings, string tables and dialog 104.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resource.h"
#include "store/value_names.h"
#include "support/program.h"
#include "win/wnd.h"

namespace vexel::test {
namespace {

class ProgramResourceTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(program.Module(), nullptr) << ProgramPath(); }
  ProgramResources program;
};

// The header of a bitmap resource as stored, before any conversion to the screen.
BITMAPINFOHEADER StoredBitmapHeader(HMODULE module, UINT id) {
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!found) return {};
  return *static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, found)));
}

TEST_F(ProgramResourceTest, SpectrumBitmapsLoadAtTheirSizeAndDepth) {
  const struct {
    UINT id;
    WORD bits;
  } bitmaps[] = {{IDB_COLOR_SAMPLE_PALETTE, 4}, {IDB_COLOR_SAMPLE_HICOLOR, 8}, {IDB_COLOR_SAMPLE_TRUECOLOR, 8}};
  for (const auto& expected : bitmaps) {
    HBITMAP bitmap = ::LoadBitmapA(program.Module(), MAKEINTRESOURCEA(expected.id));
    ASSERT_NE(bitmap, nullptr) << expected.id;
    BITMAP info{};
    ::GetObjectA(bitmap, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 128) << expected.id;
    EXPECT_EQ(info.bmHeight, 24) << expected.id;
    ::DeleteObject(bitmap);
    const BITMAPINFOHEADER stored = StoredBitmapHeader(program.Module(), expected.id);
    EXPECT_EQ(stored.biBitCount, expected.bits) << expected.id;
    EXPECT_EQ(stored.biCompression, static_cast<DWORD>(BI_RGB)) << expected.id;
  }
}

TEST_F(ProgramResourceTest, IconLoadsInBothSizes) {
  for (int size : {32, 16}) {
    HICON icon =
        static_cast<HICON>(::LoadImageA(program.Module(), MAKEINTRESOURCEA(IDI_VEXELPANEL), IMAGE_ICON, size, size, 0));
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    BITMAP mask{};
    ::GetObjectA(info.hbmMask, sizeof(mask), &mask);
    EXPECT_EQ(mask.bmWidth, size);
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    ::DestroyIcon(icon);
  }
}

TEST_F(ProgramResourceTest, AnimationControlOpensAndPlaysTheClip) {
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 120, nullptr, nullptr, nullptr, nullptr);
  HWND animation = ::CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE | ACS_CENTER, 0, 0, 240, 84, parent,
                                     nullptr, program.Module(), nullptr);
  ASSERT_NE(animation, nullptr);
  EXPECT_NE(::SendMessageA(animation, ACM_OPENA, reinterpret_cast<WPARAM>(program.Module()),
                           reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(IDR_ANIMATION_CLIP))),
            0);
  EXPECT_NE(::SendMessageA(animation, ACM_PLAY, static_cast<WPARAM>(-1), MAKELPARAM(0, 0xFFFF)), 0);
  EXPECT_EQ(::SendMessageA(animation, ACM_OPENA, reinterpret_cast<WPARAM>(program.Module()),
                           reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(9999))),
            0);
  ::DestroyWindow(parent);
}

std::string VersionString(const std::vector<char>& block, const std::string& name) {
  char* text = nullptr;
  UINT length = 0;
  const std::string query = "\\StringFileInfo\\000004B0\\" + name;
  if (!::VerQueryValueA(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text) return {};
  return text;
}

TEST_F(ProgramResourceTest, VersionResourceHoldsTheStringsThePanelReads) {
  const std::string path = ProgramPath();
  const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), nullptr);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
  EXPECT_EQ(VersionString(block, "FileVersion"), "3.3");
  EXPECT_EQ(VersionString(block, "InternalName"), "VEXELPANEL");
  EXPECT_EQ(VersionString(block, "FileDescription"), "VexelPanel Information Applet");
  EXPECT_NE(VersionString(block, "LegalCopyright"), "");
  EXPECT_EQ(VersionString(block, "NoSuchString"), "");
}

std::string LoadedString(HMODULE module, UINT id) {
  char text[256] = {};
  ::LoadStringA(module, id, text, sizeof(text));
  return text;
}

TEST_F(ProgramResourceTest, ValueNamesComeFromOneLanguageNeutralTable) {
  EXPECT_EQ(LoadedString(program.Module(), IDS_APP_CAPTION), "VexelPanel");
  EXPECT_EQ(LoadedString(program.Module(), 1036), "DefaultSettings.8bppRGB");
  EXPECT_EQ(LoadedString(program.Module(), 1035), "DefaultSettings.8bppRGB");
  EXPECT_EQ(LoadedString(program.Module(), 1027), "OpenGL.UseFastClear");
  EXPECT_EQ(LoadedString(program.Module(), 1078), "OpenGL.DisableMipMaps");
  EXPECT_EQ(LoadedString(program.Module(), 1043), "Vexel3DTiming.ClockSpeed");
  // The names the code also spells are the same text, defined once.
  EXPECT_EQ(LoadedString(program.Module(), 1007), names::kDefaultBitsPerPel);
  EXPECT_EQ(LoadedString(program.Module(), 1010), names::kDefaultVRefresh);
  EXPECT_EQ(LoadedString(program.Module(), 1027), names::kUseFastClear);
  EXPECT_EQ(LoadedString(program.Module(), 1078), names::kDisableMipMaps);
  // Each string bundle of value names exists in the neutral language only, so
  // every user interface language finds the same names.
  for (UINT id : {1007u, 1022u, 1027u, 1043u, 1055u, 1066u, 1078u}) {
    const UINT bundle = id / 16 + 1;
    std::vector<LANGID> languages;
    ::EnumResourceLanguagesA(
        program.Module(), MAKEINTRESOURCEA(6), MAKEINTRESOURCEA(bundle),
        [](HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) -> BOOL {
          reinterpret_cast<std::vector<LANGID>*>(found)->push_back(language);
          return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&languages));
    EXPECT_EQ(languages, std::vector<LANGID>{MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)}) << id;
  }
}

struct TemplateControl {
  int id;
  const char* className;
  DWORD style;  // the bits that matter beyond WS_CHILD | WS_VISIBLE
  RECT units;   // x, y, width, height in dialog units
};

// Dialog 104 as the About page's layout requires it, in template order.
const TemplateControl kAboutTemplate[] = {
    {IDC_ABOUT_LEGAL, "Static", SS_CENTER | WS_GROUP, {31, 158, 185, 10}},
    {IDC_STATIC, "Static", SS_LEFT | WS_GROUP, {17, 72, 62, 81}},
    {IDC_ABOUT_VERSION, "Static", SS_LEFT | WS_GROUP, {195, 39, 33, 8}},
    {IDC_STATIC, "Button", BS_GROUPBOX, {7, 153, 228, 15}},
    {IDC_STATIC, "Static", SS_ETCHEDFRAME | SS_SUNKEN | WS_BORDER, {17, 18, 124, 46}},
    {IDC_ABOUT_DESCRIPTION, "Static", SS_CENTER | WS_GROUP, {154, 20, 74, 17}},
    {IDC_ABOUT_INFO, "Static", SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_GROUP, {90, 72, 135, 81}},
    {IDC_ABOUT_ANIMATION, "SysAnimate32", ACS_CENTER | ACS_AUTOPLAY, {19, 20, 120, 42}},
    {IDC_STATIC, "Static", SS_ETCHEDFRAME, {7, 70, 228, 84}},
    {IDC_STATIC, "Static", SS_ETCHEDFRAME, {147, 14, 88, 49}},
    {IDC_ABOUT_RELEASE, "Static", SS_CENTER | WS_GROUP, {149, 52, 74, 8}},
    {IDC_STATIC, "Static", SS_RIGHT | WS_GROUP, {149, 39, 42, 8}},
};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

TEST_F(ProgramResourceTest, AboutDialogControlsStandWhereTheLayoutPutsThem) {
  HWND host = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 600, nullptr, nullptr, nullptr, nullptr);
  HWND page = ::CreateDialogParamA(program.Module(), MAKEINTRESOURCEA(IDD_ABOUT), host, &PlainDialogProc, 0);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(::GetWindowTextLengthA(page), 5);  // "About"
  HWND control = ::GetWindow(page, GW_CHILD);
  for (const TemplateControl& expected : kAboutTemplate) {
    ASSERT_NE(control, nullptr);
    char className[32] = {};
    ::GetClassNameA(control, className, sizeof(className));
    EXPECT_STRCASEEQ(className, expected.className);
    EXPECT_EQ(::GetDlgCtrlID(control), expected.id == IDC_STATIC ? 0xFFFF : expected.id);
    DWORD style = static_cast<DWORD>(::GetWindowLongA(control, GWL_STYLE));
    // The 3D look turns a control's border into a client edge.
    if (::GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) style |= WS_BORDER;
    EXPECT_EQ(style & expected.style, expected.style) << expected.id;
    // The dialog manager converts position and size separately.
    RECT origin = {expected.units.left, expected.units.top, expected.units.right, expected.units.bottom};
    ::MapDialogRect(page, &origin);
    const RECT wanted = {origin.left, origin.top, origin.left + origin.right, origin.top + origin.bottom};
    RECT actual{};
    ::GetWindowRect(control, &actual);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, wanted.left) << expected.id;
    EXPECT_EQ(actual.top, wanted.top) << expected.id;
    EXPECT_EQ(actual.right, wanted.right) << expected.id;
    EXPECT_EQ(actual.bottom, wanted.bottom) << expected.id;
    control = ::GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(control, nullptr);
  // Labels and values share one font, so their ten lines stay side by side.
  EXPECT_EQ(::SendMessageA(::GetDlgItem(page, IDC_ABOUT_INFO), WM_GETFONT, 0, 0),
            ::SendMessageA(::GetWindow(page, GW_CHILD), WM_GETFONT, 0, 0));
  ::DestroyWindow(host);
}

struct CreatedDialog {
  std::string caption;
  std::vector<int> ids;
  std::vector<std::string> texts;
};

// A dialog template in one language, created to read its caption and controls.
CreatedDialog CreateInLanguage(HMODULE module, UINT dialog, LANGID language) {
  HRSRC found = ::FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(dialog), language);  // RT_DIALOG
  if (!found) return {};
  const auto* dialogTemplate = static_cast<const DLGTEMPLATE*>(::LockResource(::LoadResource(module, found)));
  HWND host = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 600, nullptr, nullptr, nullptr, nullptr);
  HWND created = ::CreateDialogIndirectParamA(module, dialogTemplate, host, &PlainDialogProc, 0);
  CreatedDialog result{win::WindowText(created), {}, {}};
  for (HWND child = ::GetWindow(created, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    result.ids.push_back(::GetDlgCtrlID(child));
    result.texts.push_back(win::WindowText(child));
  }
  ::DestroyWindow(host);
  return result;
}

TEST_F(ProgramResourceTest, GermanDialogsCarryEveryControlOfTheEnglishOnes) {
  const LANGID english = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
  const LANGID german = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
  for (UINT dialog : {IDD_ABOUT, IDD_SETTINGS, IDD_3D_SETTINGS, IDD_ADVANCED, IDD_MODE_LIST, IDD_RESTART_PROMPT,
                      IDD_CARD_MISMATCH, IDD_APPLICATION_LIST}) {
    const CreatedDialog inEnglish = CreateInLanguage(program.Module(), dialog, english);
    const CreatedDialog inGerman = CreateInLanguage(program.Module(), dialog, german);
    EXPECT_FALSE(inEnglish.ids.empty()) << dialog;
    EXPECT_EQ(inGerman.ids, inEnglish.ids) << dialog;
    // The About and Settings pages read the same in both languages.
    if (dialog == IDD_ABOUT || dialog == IDD_SETTINGS) {
      EXPECT_EQ(inGerman.caption, inEnglish.caption) << dialog;
      EXPECT_EQ(inGerman.texts, inEnglish.texts) << dialog;
    }
  }
  // The two controls the first German version lacked.
  const std::vector<int> german3D = CreateInLanguage(program.Module(), IDD_3D_SETTINGS, german).ids;
  EXPECT_NE(std::find(german3D.begin(), german3D.end(), 1027), german3D.end());
  EXPECT_NE(std::find(german3D.begin(), german3D.end(), 1078), german3D.end());
}

}  // namespace
}  // namespace vexel::test
