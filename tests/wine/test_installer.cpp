// The installer, run in the test prefix: what it puts on the machine, what
// the program's quiet run records for it, that a refused or failed run
// changes nothing, and that the uninstaller takes back exactly what the
// installation did.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "support/message_boxes.h"
#include "support/program.h"

namespace vexel::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char* kEntryKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VexelPanel";
constexpr const char* kMakerKey = "SOFTWARE\\Vexelworks";
constexpr const char* kProgramKey = "SOFTWARE\\Vexelworks\\VEXELPANEL";
constexpr const char* kPerMakerKey = "SOFTWARE\\Vexelworks\\VEXELPANEL\\3.3";
constexpr const char* kSettingsKey = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";
constexpr const char* kSessionManagerKey = "System\\CurrentControlSet\\Control\\Session Manager";
constexpr const char* kCaption = "VexelPanel 3.3 Setup";

// "<path>" -> "key" and "<path>:<value>" -> "<type>:<bytes>" for a key and
// everything below it, so two snapshots differ in whatever was touched.
using Snapshot = std::map<std::string, std::string>;

void AddKeyTree(HKEY parent, const std::string& name, const std::string& path, Snapshot& out) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(parent, name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  out[path] = "key";
  char entry[1024];
  std::string data(1 << 16, '\0');
  for (DWORD i = 0, length = sizeof(entry), size = 1 << 16, type = 0;
       ::RegEnumValueA(key, i, entry, &length, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
       ERROR_SUCCESS;
       ++i, length = sizeof(entry), size = 1 << 16)
    out[path + ":" + entry] = std::to_string(type) + ":" + data.substr(0, size);
  for (DWORD i = 0, length = sizeof(entry);
       ::RegEnumKeyExA(key, i, entry, &length, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
       ++i, length = sizeof(entry))
    AddKeyTree(key, entry, path + "\\" + entry, out);
  ::RegCloseKey(key);
}

Snapshot KeyTree(const std::string& path) {
  Snapshot snapshot;
  AddKeyTree(HKEY_LOCAL_MACHINE, path, "", snapshot);
  return snapshot;
}

// A value's bytes below HKEY_LOCAL_MACHINE, empty when it is missing.
std::string ValueBytes(const char* key, const char* name) {
  std::string data(1 << 16, '\0');
  DWORD size = static_cast<DWORD>(data.size());
  if (::RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_ANY | RRF_NOEXPAND, nullptr, data.data(), &size) !=
      ERROR_SUCCESS)
    return {};
  return data.substr(0, size);
}

std::string ValueText(const char* key, const char* name) { return ValueBytes(key, name).c_str(); }

// The names of everything below a folder, one a line.
std::string FolderTree(const std::string& folder) {
  std::string names;
  WIN32_FIND_DATAA found{};
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  for (bool more = search != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(search, &found)) {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    names += folder + "\\" + name + "\n";
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) names += FolderTree(folder + "\\" + name);
  }
  if (search != INVALID_HANDLE_VALUE) ::FindClose(search);
  return names;
}

std::string ShellFolder(int id) {
  char path[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::string TempFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = ::GetTempPathA(MAX_PATH, path);
  return std::string(path, length > 0 ? length - 1 : 0);
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Text(const std::string& text) { return "1:" + text + '\0'; }
std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                        wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// The path a shortcut file points at, empty when it cannot be read.
std::string ShortcutTarget(const std::string& link) {
  char target[MAX_PATH] = {};
  IShellLinkA* shellLink = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink))) &&
      SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(Wide(link).c_str(), STGM_READ)))
    shellLink->GetPath(target, MAX_PATH, nullptr, 0);
  if (file) file->Release();
  if (shellLink) shellLink->Release();
  return target;
}

void WriteText(const char* key, const char* name, const std::string& text) {
  ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)),
            ERROR_SUCCESS);
}

// Everything the installer may touch, watched from before it runs; what a
// test left behind is taken away, so a failed run cannot spoil the next.
class Installer : public ::testing::Test {
 public:
  void SetUp() override {
    ::CoInitialize(nullptr);
    RemoveInstallation();
    before_ = Machine();
  }
  void TearDown() override {
    panel_.reset();
    RemoveInstallation();
    ::CoUninitialize();
  }

  static std::optional<DWORD> Run(const std::string& program, const std::string& arguments) {
    return RunningProgram(Wide(program), arguments).WaitForExit(60000);
  }
  static std::optional<DWORD> Install(const std::string& options) { return Run(VEXEL_INSTALLER, "/S " + options); }

  // The entry's QuietUninstallString, run as a deployment tool runs it. When
  // it returns, only the uninstaller's own file may be left in its folder:
  // a running program's file cannot be deleted, so it and the folder go
  // right after it ends.
  static std::optional<DWORD> Uninstall() {
    const std::string command = ValueText(kEntryKey, "QuietUninstallString");
    const size_t end = command.find('"', 1);
    if (command.empty() || command[0] != '"' || end == std::string::npos) return std::nullopt;
    const std::string uninstaller = command.substr(1, end - 1);
    const std::optional<DWORD> status = Run(uninstaller, command.substr(end + 1));
    if (status != 0u) return status;
    const std::string folder = uninstaller.substr(0, uninstaller.find_last_of('\\'));
    const std::string left = FolderTree(folder);
    EXPECT_TRUE(left.empty() || left == uninstaller + "\n") << "left when the uninstaller returned:\n" << left;
    EXPECT_EQ(KeyTree(kEntryKey), Snapshot{}) << "the entry was left when the uninstaller returned";
    EXPECT_TRUE(PollUntil(10s, [&] { return !Exists(folder); })) << folder << " was not removed";
    return status;
  }

  Snapshot Machine() const {
    Snapshot all = KeyTree(kUninstallKey);
    for (const auto& [path, value] : KeyTree(kMakerKey)) all["maker" + path] = value;
    for (const std::string& folder :
         {ShellFolder(CSIDL_PROGRAM_FILES), ShellFolder(CSIDL_COMMON_PROGRAMS), TempFolder()})
      all[folder] = FolderTree(folder);
    // Files left to be deleted at the next restart.
    all["pending"] = ValueBytes(kSessionManagerKey, "PendingFileRenameOperations");
    return all;
  }

  void RemoveInstallation() const {
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kEntryKey);
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProgramKey);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMakerKey);
    ::DeleteFileA(shortcut_.c_str());
    for (const std::string& folder : {folder_, otherFolder_}) {
      for (const char* file : {"\\vexelpanel.exe", "\\uninstall.exe"}) ::DeleteFileA((folder + file).c_str());
      ::RemoveDirectoryA(folder.c_str());
    }
  }

  // The installed program has no symbol table, so no debugging data either
  // (whose long section names live in it), and the entry tells the size of
  // the installed files in KB.
  static void ExpectShipped(const std::string& folder) {
    std::ifstream file(folder + "\\vexelpanel.exe", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    IMAGE_DOS_HEADER dos{};
    IMAGE_FILE_HEADER header{};
    ASSERT_GT(bytes.size(), sizeof(dos));
    std::memcpy(&dos, bytes.data(), sizeof(dos));
    ASSERT_GT(bytes.size(), dos.e_lfanew + sizeof(DWORD) + sizeof(header));
    std::memcpy(&header, bytes.data() + dos.e_lfanew + sizeof(DWORD), sizeof(header));
    EXPECT_EQ(header.PointerToSymbolTable + header.NumberOfSymbols, 0u);
    DWORD size = 0;
    for (const char* name : {"\\vexelpanel.exe", "\\uninstall.exe"}) {
      WIN32_FILE_ATTRIBUTE_DATA data{};
      ::GetFileAttributesExA((folder + name).c_str(), GetFileExInfoStandard, &data);
      size += data.nFileSizeLow;
    }
    const DWORD kilobytes = (size + 1023) / 1024;
    EXPECT_EQ(ValueBytes(kEntryKey, "EstimatedSize"), std::string(reinterpret_cast<const char*>(&kilobytes), 4));
  }

  const std::string folder_ = ShellFolder(CSIDL_PROGRAM_FILES) + "\\VexelPanel";
  const std::string otherFolder_ = ShellFolder(CSIDL_PROGRAM_FILES) + "\\Vexel Panel \xDC";
  const std::string program_ = folder_ + "\\vexelpanel.exe";
  const std::string shortcut_ = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\VexelPanel.lnk";
  Snapshot before_;
  // A panel a test keeps running, ended before the installation is removed.
  std::unique_ptr<RunningProgram> panel_;
};

TEST_F(Installer, ASilentInstallRecordsTheBoardAndItsUninstallLeavesTheMachineAsItWas) {
  ASSERT_EQ(Run(VEXEL_INSTALLER, std::string("/S /MODEL=VexelHawk /KEY=") + kSettingsKey), 0u);

  EXPECT_NE(::GetFileAttributesA(program_.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_STRCASEEQ(ShortcutTarget(shortcut_).c_str(), program_.c_str());
  const std::string uninstaller = "\"" + folder_ + "\\uninstall.exe\"";
  Snapshot entry = KeyTree(kEntryKey);
  EXPECT_EQ(entry.erase(":EstimatedSize"), 1u);  // checked by ExpectShipped
  EXPECT_EQ(entry, (Snapshot{{"", "key"},
                             {":DisplayName", Text("VexelPanel")},
                             {":UninstallString", Text(uninstaller)},
                             {":QuietUninstallString", Text(uninstaller + " /S")},
                             {":DisplayVersion", Text("3.3")},
                             {":VersionMajor", std::string("4:\3\0\0\0", 6)},
                             {":VersionMinor", std::string("4:\3\0\0\0", 6)},
                             {":Publisher", Text("Vexelworks")},
                             {":DisplayIcon", Text(program_ + ",0")},
                             {":InstallLocation", Text(folder_)},
                             {":NoModify", std::string("4:\1\0\0\0", 6)},
                             {":NoRepair", std::string("4:\1\0\0\0", 6)},
                             {":CreatedPerMakerKey", Text(kMakerKey)}}));
  ExpectShipped(folder_);
  EXPECT_EQ(KeyTree(kMakerKey), (Snapshot{{"", "key"},
                                          {"\\VEXELPANEL", "key"},
                                          {"\\VEXELPANEL\\3.3", "key"},
                                          {"\\VEXELPANEL\\3.3:InstalledCard", Text("VEXELHAWK")},
                                          {"\\VEXELPANEL\\3.3:RegistryPath", Text(kSettingsKey)}}));
  {
    // What was recorded identifies the board: the sheet brings its Settings pages.
    RunningProgram panel(Wide(program_), "-n");
    HWND sheet = panel.WaitForWindow("VexelPanel");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet)), 3);
    ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    EXPECT_EQ(panel.WaitForExit(), 0u);
  }
  EXPECT_EQ(Uninstall(), 0u);
  EXPECT_EQ(Machine(), before_);
}

// A per-maker key that was there before may be the driver setup's: it stays,
// with the values the installation replaced put back.
TEST_F(Installer, APerMakerKeyThatWasThereBeforeOutlivesTheUninstall) {
  WriteText(kPerMakerKey, "InstalledCard", "VEXELKITE");
  before_ = Machine();
  ASSERT_EQ(Run(VEXEL_INSTALLER, "/S /MODEL=VexelHawk"), 0u);
  EXPECT_EQ(Uninstall(), 0u);
  EXPECT_EQ(Machine(), before_);
}

// An installation that cannot hand its options to the program fails, and
// leaves nothing behind.
struct FailedInstall {
  const char* name;
  // Prepares the machine; returns what undoes it.
  std::function<std::function<void()>()> arrange;
  const char* options;
};
void PrintTo(const FailedInstall& row, std::ostream* out) { *out << row.name; }

class InstallerFailure : public Installer, public ::testing::WithParamInterface<FailedInstall> {};

TEST_P(InstallerFailure, EndsNonZeroAndLeavesTheMachineAsItWas) {
  const std::function<void()> undo = GetParam().arrange();
  before_ = Machine();
  const std::optional<DWORD> status = Run(VEXEL_INSTALLER, std::string("/S ") + GetParam().options);
  const Snapshot after = Machine();
  undo();
  EXPECT_NE(status.value_or(0), 0u);
  EXPECT_EQ(after, before_);
}

// A volatile key cannot have a lasting child, so the program's quiet run
// really fails to create its key below it.
void MakeProgramKeyVolatile() {
  ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProgramKey);
  HKEY key = nullptr;
  ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &key,
                    nullptr);
  ::RegCloseKey(key);
}

std::function<void()> VolatileProgramKey() {
  MakeProgramKeyVolatile();
  return [] { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMakerKey); };
}

INSTANTIATE_TEST_SUITE_P(
    Installer, InstallerFailure,
    ::testing::Values(FailedInstall{"PerMakerKeyNotWritable", VolatileProgramKey, "/MODEL=VexelHawk /KEY=Some\\Key"},
                      // The program's command line would cut the key at the quote.
                      FailedInstall{"QuoteInTheKey", [] { return std::function<void()>([] {}); },
                                    "/MODEL=VexelHawk /KEY=Some\"Key"}),
    [](const ::testing::TestParamInfo<FailedInstall>& row) { return std::string(row.param.name); });

// One case an administrator meets: the machine as it is made first, then
// the installer (silently, or with its message answered) or the uninstaller.
struct Case {
  const char* name;
  std::function<void(Installer&)> arrange;
  bool uninstall;
  std::string options;
  DWORD status;
  // Part of the message the installer shows when run without /S; empty: run silently.
  std::string message = {};
  // The maker's key after a successful installation.
  Snapshot maker = {};
  // Where it installs, below Program Files.
  std::string folder = "VexelPanel";
};
void PrintTo(const Case& row, std::ostream* out) { *out << row.name; }

class InstallerCase : public Installer, public ::testing::WithParamInterface<Case> {};

TEST_P(InstallerCase, EndsAsDocumentedAndChangesOnlyWhatItSays) {
  const Case& row = GetParam();
  row.arrange(*this);
  before_ = Machine();
  std::optional<DWORD> status;
  if (row.uninstall) {
    status = Uninstall();
  } else if (row.message.empty()) {
    status = Install(row.options);
  } else {
    RunningProgram setup(Wide(VEXEL_INSTALLER), row.options);
    HWND box = setup.WaitForWindow(kCaption);
    ASSERT_TRUE(box && IsMessageBox(box));
    EXPECT_NE(CloseMessageBox(box, IDOK, 5s).find(row.message), std::string::npos);
    status = setup.WaitForExit(60000);
  }
  ASSERT_EQ(status, row.status);
  if (row.status != 0u) {
    EXPECT_EQ(Machine(), before_);
    return;
  }
  EXPECT_EQ(KeyTree(kMakerKey), row.maker);
  const std::string folder = ShellFolder(CSIDL_PROGRAM_FILES) + "\\" + row.folder;
  EXPECT_EQ(ValueText(kEntryKey, "InstallLocation"), folder);
  ExpectShipped(folder);
  EXPECT_EQ(Uninstall(), 0u);
  EXPECT_EQ(Machine(), before_);
}

void Nothing(Installer&) {}
void Installed(Installer&) { ASSERT_EQ(Installer::Install("/MODEL=VexelHawk"), 0u); }

Snapshot Recorded(const std::string& card, const std::string& path) {
  return {{"", "key"},
          {"\\VEXELPANEL", "key"},
          {"\\VEXELPANEL\\3.3", "key"},
          {"\\VEXELPANEL\\3.3:InstalledCard", Text(card)},
          {"\\VEXELPANEL\\3.3:RegistryPath", Text(path)}};
}

INSTANTIATE_TEST_SUITE_P(
    Installer, InstallerCase,
    ::testing::Values(
        // 1: the upgrade fails to record the board; the installation it was to replace stays whole.
        Case{"AFailedUpgradeKeepsTheInstallation",
             [](Installer& at) {
               Installed(at);
               MakeProgramKeyVolatile();
             },
             false, "/MODEL=VexelHawk", 2},
        // 2: a value the installer cannot carry whole is refused, not cut.
        Case{"ALongKeyIsRefused", Nothing, false, "/MODEL=VexelHawk /KEY=" + std::string(1545, 'K'), 2, "/KEY="},
        // 3: the driver setup's values stay without /KEY=, and come back with the uninstall.
        Case{"TheDriverSetupsValuesAreKeptAndPutBack",
             [](Installer&) {
               WriteText(kPerMakerKey, "InstalledCard", "VEXELKITE");
               WriteText(kPerMakerKey, "RegistryPath", "System\\CurrentControlSet\\Services\\Vexel 3D\\Device1");
             },
             false, "/MODEL=VexelHawk", 0, "",
             Recorded("VEXELHAWK", "System\\CurrentControlSet\\Services\\Vexel 3D\\Device1")},
        // 4: quotes around an option, as Windows quotes an argument with a blank, or
        // around its value, are taken off.
        Case{"AQuotedKeyIsTakenWithoutItsQuotes", Nothing, false,
             "/MODEL=VexelHawk \"/KEY=System\\CurrentControlSet\\Services\\Vexel 3D\\Device0\"", 0, "",
             Recorded("VEXELHAWK", "System\\CurrentControlSet\\Services\\Vexel 3D\\Device0")},
        Case{"QuotedOptionsAreTakenWithoutTheirQuotes", Nothing, false,
             "\"/MODEL=VexelKite\" /KEY=\"Some Key\" \"/D=" + ShellFolder(CSIDL_PROGRAM_FILES) + "\\Vexel Panel \xDC\"",
             0, "", Recorded("VEXELKITE", "Some Key"), "Vexel Panel \xDC"},
        Case{"AQuoteInsideAValueIsRefused", Nothing, false, "/MODEL=VexelHawk /KEY=Some\"Key", 2, "double quote"},
        // 5: a failed uninstall says so and removes nothing.
        Case{"AnUninstallThatCannotRemoveTheProgramFails",
             [](Installer& at) {
               Installed(at);
               at.panel_ = std::make_unique<RunningProgram>(Wide(at.program_), "-n");
               ASSERT_NE(at.panel_->WaitForWindow("VexelPanel"), nullptr);
             },
             true, "", 2},
        // 6: only the two models, named as the program names them.
        Case{"AnUnknownModelIsRefused", Nothing, false, "/MODEL=Foo", 2, "Foo"},
        Case{"AModelIsNamedInAnyCase", Nothing, false, "/MODEL=vexelKITE", 0, "", Recorded("VEXELKITE", "")},
        // 7: ExpectShipped checks what the package holds after every install.
        Case{"ThePackageShipsTheProgramWithoutDebuggingData", Nothing, false, "", 0}),
    [](const ::testing::TestParamInfo<Case>& row) { return std::string(row.param.name); });

// A control's text; GetWindowText does not ask another process's controls.
std::string ControlText(HWND control) {
  char text[1024] = {};
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutA(control, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000, &ignored);
  return text;
}

// A visible control of the installer's current page with this class and
// text (any text when it is empty), or null.
HWND Control(HWND window, const char* type, const std::string& text = "") {
  HWND found = nullptr;
  PollUntil(20s, [&] {
    const HWND page = ::FindWindowExA(window, nullptr, "#32770", nullptr);
    for (found = page ? ::FindWindowExA(page, nullptr, type, nullptr) : nullptr; found;
         found = ::FindWindowExA(page, found, type, nullptr))
      if (::IsWindowVisible(found) && (text.empty() || ControlText(found) == text)) return true;
    return false;
  });
  return found;
}

void Press(HWND window, int button) { ::PostMessageA(::GetDlgItem(window, button), BM_CLICK, 0, 0); }

// The message box a window shows above itself, or null.
HWND MessageBoxOf(HWND window) {
  HWND box = nullptr;
  PollUntil(20s, [&] { return IsMessageBox(box = ::GetLastActivePopup(window)); });
  return IsMessageBox(box) ? box : nullptr;
}

// The pages, walked by their controls as an administrator would. The German
// run (installer/CMakeLists.txt) expects the pages in German.
TEST_F(Installer, ThePagesAskBeforeQuittingRecordTheChosenBoardAndStartThePanel) {
  const char* language = std::getenv("VEXEL_EXPECT_UI_LANGUAGE");
  if (language) {
    ASSERT_EQ(::GetUserDefaultUILanguage(), std::strtoul(language, nullptr, 16));
  }
  const bool german = ::GetUserDefaultUILanguage() == 0x0407;
  const std::string caption = german ? "Installation von VexelPanel 3.3" : kCaption;
  {
    RunningProgram setup(Wide(VEXEL_INSTALLER), "");
    HWND window = setup.WaitForWindow(caption);
    ASSERT_NE(window, nullptr);
    Press(window, IDCANCEL);
    EXPECT_NE(CloseMessageBox(MessageBoxOf(window), IDNO, 5s), "");
    EXPECT_TRUE(::IsWindowVisible(window));
    Press(window, IDCANCEL);
    EXPECT_NE(CloseMessageBox(MessageBoxOf(window), IDYES, 5s), "");
    EXPECT_EQ(setup.WaitForExit(), 1u);
  }
  EXPECT_EQ(Machine(), before_);

  // The board page offers the key that Wine's display driver publishes.
  const std::string published = ValueText("HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0");
  ASSERT_EQ(published.rfind("\\Registry\\Machine\\", 0), 0u) << published;
  RunningProgram setup(Wide(VEXEL_INSTALLER), "");
  HWND window = setup.WaitForWindow(caption);
  ASSERT_NE(window, nullptr);
  Press(window, IDOK);
  HWND kite = Control(window, "Button", "Vexel&Kite");
  HWND key = Control(window, "Edit");
  ASSERT_TRUE(kite && key);
  EXPECT_EQ(ControlText(key), published.substr(std::strlen("\\Registry\\Machine\\")));
  ::SendMessageA(kite, BM_CLICK, 0, 0);
  ::SendMessageA(key, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kSettingsKey));
  Press(window, IDOK);
  HWND folder = Control(window, "Edit", folder_);
  ASSERT_NE(folder, nullptr);
  Press(window, IDOK);
  HWND run = Control(window, "Button", german ? "VexelPanel ausf\xFChren" : "&Run VexelPanel");
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(::SendMessageA(run, BM_GETCHECK, 0, 0), BST_CHECKED);
  Press(window, IDOK);
  EXPECT_EQ(setup.WaitForExit(), 0u);
  EXPECT_EQ(KeyTree(kMakerKey), Recorded("VEXELKITE", kSettingsKey));

  // The finish page started the panel.
  HWND sheet = nullptr;
  PollUntil(20s, [&] { return (sheet = ::FindWindowA("#32770", "VexelPanel")) != nullptr; });
  ASSERT_NE(sheet, nullptr);
  DWORD process = 0;
  ::GetWindowThreadProcessId(sheet, &process);
  HANDLE panel = ::OpenProcess(SYNCHRONIZE, FALSE, process);
  ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  EXPECT_EQ(::WaitForSingleObject(panel, 20000), WAIT_OBJECT_0);
  ::CloseHandle(panel);
  EXPECT_EQ(Uninstall(), 0u);
  EXPECT_EQ(Machine(), before_);
}

}  // namespace
}  // namespace vexel::test
