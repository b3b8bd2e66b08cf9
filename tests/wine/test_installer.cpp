// The installer, run silently in the test prefix: what it puts on the machine,
// what the program's quiet run records for it, and that the uninstaller takes
// back exactly that.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "support/program.h"
#include "support/scratch_folder.h"

namespace vexel::test {
namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
constexpr const char* kEntryKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\VexelPanel";
constexpr const char* kMakerKey = "SOFTWARE\\Vexelworks";
constexpr const char* kProgramKey = "SOFTWARE\\Vexelworks\\VEXELPANEL";
constexpr const char* kSettingsKey = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";

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

std::string Text(const std::string& text) { return "1:" + text + '\0'; }
std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

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

// Everything the installer may touch, watched from before it runs; what a
// test left behind is taken away, so a failed run cannot spoil the next.
class Installer : public ::testing::Test {
 protected:
  void SetUp() override {
    ::CoInitialize(nullptr);
    RemoveInstallation();
    before_ = Machine();
  }
  void TearDown() override {
    RemoveInstallation();
    ::CoUninitialize();
  }

  static std::optional<DWORD> Run(const std::string& program, const std::string& arguments) {
    return RunningProgram(Wide(program), arguments).WaitForExit(60000);
  }
  // The uninstaller copies itself away and returns at once; told the folder
  // with _?=, a copy made here runs in place and can be waited for.
  std::optional<DWORD> Uninstall() const {
    ScratchFolder temp;
    const std::string copy = temp.Path() + "\\uninstall.exe";
    if (!::CopyFileA((folder_ + "\\uninstall.exe").c_str(), copy.c_str(), FALSE)) return std::nullopt;
    return Run(copy, "/S _?=" + folder_);
  }

  Snapshot Machine() const {
    Snapshot all = KeyTree(kUninstallKey);
    for (const auto& [path, value] : KeyTree(kMakerKey)) all["maker" + path] = value;
    for (const std::string& folder : {ShellFolder(CSIDL_PROGRAM_FILES), ShellFolder(CSIDL_COMMON_PROGRAMS)})
      all[folder] = FolderTree(folder);
    return all;
  }

  void RemoveInstallation() const {
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kEntryKey);
    ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kProgramKey);
    ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMakerKey);
    for (const std::string& file : {shortcut_, program_, folder_ + "\\uninstall.exe"}) ::DeleteFileA(file.c_str());
    ::RemoveDirectoryA(folder_.c_str());
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
  const std::string program_ = folder_ + "\\vexelpanel.exe";
  const std::string shortcut_ = ShellFolder(CSIDL_COMMON_PROGRAMS) + "\\VexelPanel.lnk";
  Snapshot before_;
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
// with what the installer's run recorded in it.
TEST_F(Installer, APerMakerKeyThatWasThereBeforeOutlivesTheUninstall) {
  const std::string key = std::string(kProgramKey) + "\\3.3";
  ASSERT_EQ(::RegSetKeyValueA(HKEY_LOCAL_MACHINE, key.c_str(), "InstalledCard", REG_SZ, "VEXELKITE", 10), 0);
  before_ = Machine();
  ASSERT_EQ(Run(VEXEL_INSTALLER, "/S /MODEL=VexelHawk"), 0u);
  EXPECT_EQ(Uninstall(), 0u);

  Snapshot expected = before_;
  expected["maker\\VEXELPANEL\\3.3:InstalledCard"] = Text("VEXELHAWK");
  expected["maker\\VEXELPANEL\\3.3:RegistryPath"] = Text("");
  EXPECT_EQ(Machine(), expected);
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
std::function<void()> VolatileProgramKey() {
  HKEY key = nullptr;
  ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProgramKey, 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &key,
                    nullptr);
  ::RegCloseKey(key);
  return [] { ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMakerKey); };
}

INSTANTIATE_TEST_SUITE_P(
    Installer, InstallerFailure,
    ::testing::Values(FailedInstall{"PerMakerKeyNotWritable", VolatileProgramKey, "/MODEL=VexelHawk /KEY=Some\\Key"},
                      // The program's command line would cut the key at the quote.
                      FailedInstall{"QuoteInTheKey", [] { return std::function<void()>([] {}); },
                                    "/MODEL=VexelHawk /KEY=Some\"Key"}),
    [](const ::testing::TestParamInfo<FailedInstall>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vexel::test
