// The driver settings store against Wine's own display driver data, and the
// per-maker key as the program names and writes it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/gdi_display.h"
#include "platform/win32_registry.h"
#include "store/driver_store.h"
#include "store/value_names.h"
#include "store/version_strings.h"
#include "support/process.h"
#include "support/program.h"
#include "support/registry_root.h"

namespace vexel {
namespace {

constexpr char kMachinePrefix[] = "\\Registry\\Machine\\";

// The device map's value as the registry API itself returns it.
std::string RawDeviceMapValue() {
  char text[512] = {};
  DWORD size = sizeof(text) - 1;
  ::RegGetValueA(HKEY_LOCAL_MACHINE, names::kDeviceMapKey, names::kDeviceVideo0, RRF_RT_REG_SZ, nullptr, text, &size);
  return text;
}

TEST(FindDeviceKeyOnWine, ReturnsTheKeyThatTheDeviceMapNamesAndItOpens) {
  // Wine's display driver writes the device map when the display is queried.
  GdiDisplay().Caps();
  const std::string raw = RawDeviceMapValue();
  const std::size_t prefixLength = sizeof(kMachinePrefix) - 1;
  ASSERT_GT(raw.size(), prefixLength);
  ASSERT_EQ(0, ::_strnicmp(raw.c_str(), kMachinePrefix, prefixLength)) << raw;

  Win32Registry realHives;
  const std::optional<std::string> deviceKey = FindDeviceKey(realHives);
  ASSERT_TRUE(deviceKey);
  EXPECT_EQ(raw.substr(prefixLength), *deviceKey);

  RegKey key;
  ASSERT_EQ(kOk, realHives.OpenKey(Hive::LocalMachine, *deviceKey, key));
  std::vector<std::uint8_t> adapter;
  EXPECT_TRUE(ReadBytes(key, names::kAdapterString, adapter));
  EXPECT_FALSE(adapter.empty());
}

TEST(VersionStrings, NameThePerMakerKeyFromTheProgramsOwnResource) {
  EXPECT_EQ("VEXELPANEL", VersionResource::Own().String("InternalName").value_or(""));
  EXPECT_EQ("3.3", VersionResource::Own().String("FileVersion").value_or(""));
  EXPECT_EQ("SOFTWARE\\Vexelworks\\VEXELPANEL\\3.3", OwnPerMakerKeyPath().value_or("<none>"));
}

TEST(VersionStrings, TheProgramCarriesTheSameStrings) {
  const std::string path = test::ProgramPath();
  const std::wstring program(path.begin(), path.end());
  EXPECT_EQ("VEXELPANEL", VersionResource(program).String("InternalName").value_or(""));
  EXPECT_EQ("3.3", VersionResource(program).String("FileVersion").value_or(""));
}

TEST(VersionStrings, AreEmptyWhereThereAreNone) {
  EXPECT_FALSE(VersionResource::Own().String("NoSuchEntry").has_value());
  EXPECT_FALSE(VersionResource(L"C:\\no\\such\\file.exe").String("InternalName").has_value());
}

TEST(PerMakerKeyOnWine, StoresRealTextValuesThatReadBack) {
  test::TestRegistryRoot root;
  Win32Registry registry(root.Path() + "\\Machine", root.Path() + "\\User");
  const std::string keyPath = OwnPerMakerKeyPath().value_or("");
  ASSERT_FALSE(keyPath.empty());
  ASSERT_EQ(kOk, WritePerMakerKey(registry, keyPath, {"VEXELHAWK", ""}));

  const std::string command = "reg query \"" + root.RegToolPath("Machine\\" + keyPath) + "\"";
  const test::ProcessResult result = test::RunProcess(command, 60000);
  EXPECT_NE(std::string::npos, result.output.find("    InstalledCard    REG_SZ    VEXELHAWK\r\n")) << result.output;
  EXPECT_NE(std::string::npos, result.output.find("    RegistryPath    REG_SZ    \r\n")) << result.output;

  PerMakerValues values{"OLD", "OLD"};
  ReadPerMakerKey(registry, keyPath, values);
  EXPECT_EQ("VEXELHAWK", values.cardName);
  EXPECT_EQ("", values.registryPath);
}

}  // namespace
}  // namespace vexel
