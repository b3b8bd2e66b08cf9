#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32_registry.h"
#include "shared/registry_contract.h"
#include "support/process.h"
#include "support/registry_root.h"

namespace vexel::contract {

// The real registry, both hives standing in below a test root of its own.
class Win32Backend {
 public:
  Registry& Get() { return registry_; }

 private:
  test::TestRegistryRoot root_;
  Win32Registry registry_{root_.Path() + "\\Machine", root_.Path() + "\\User"};
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32Registry, RegistryContract, Win32Backend);

}  // namespace vexel::contract

namespace vexel {
namespace {

using contract::Bytes;

struct RegToolValue {
  std::string type;
  std::string data;
};

// The type and data columns of the line `reg query` prints for a value:
// "    <name>    <type>    <data>". Empty when there is no such line.
RegToolValue ParseRegToolLine(const std::string& output, const std::string& name) {
  const std::string column = "    ";
  const std::string start = column + name + column;
  const std::size_t line = output.find(start);
  if (line == std::string::npos) return {};
  const std::size_t typeBegin = line + start.size();
  const std::size_t typeEnd = output.find(column, typeBegin);
  const std::size_t dataEnd = output.find_first_of("\r\n", typeBegin);
  if (typeEnd == std::string::npos || typeEnd > dataEnd) {
    return {output.substr(typeBegin, dataEnd - typeBegin), {}};
  }
  return {output.substr(typeBegin, typeEnd - typeBegin),
          output.substr(typeEnd + column.size(), dataEnd - typeEnd - column.size())};
}

// Values written through the seam, read back by the reg tool: a real client
// of the real registry, not our own code.
class RegistryAsSeenByRegTool : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(kOk, registry_.CreateKey(Hive::LocalMachine, "Sub", key_)); }

  RegToolValue Query(const std::string& name) const {
    const std::string command = "reg query \"" + root_.RegToolPath("Machine\\Sub") + "\" /v \"" + name + "\"";
    const test::ProcessResult result = test::RunProcess(command, 60000);
    EXPECT_TRUE(result.finished) << command;
    EXPECT_EQ(0u, result.exitCode) << result.output;
    return ParseRegToolLine(result.output, name);
  }

  test::TestRegistryRoot root_;
  Win32Registry registry_{root_.Path() + "\\Machine", root_.Path() + "\\User"};
  RegKey key_;
};

TEST_F(RegistryAsSeenByRegTool, DwordText) {
  ASSERT_EQ(kOk, WriteDword(key_, "DefaultSettings.XResolution", 0x12345678));
  const RegToolValue value = Query("DefaultSettings.XResolution");
  EXPECT_EQ("REG_DWORD", value.type);
  EXPECT_EQ("0x12345678", value.data);
}

TEST_F(RegistryAsSeenByRegTool, TextWithAndWithoutNul) {
  ASSERT_EQ(kOk, WriteText(key_, "InstalledCard", "VEXELHAWK"));
  ASSERT_EQ(kOk, WriteTextWithoutNul(key_, "OpenGL.ApplicationName", "Softimage"));
  const RegToolValue card = Query("InstalledCard");
  EXPECT_EQ("REG_SZ", card.type);
  EXPECT_EQ("VEXELHAWK", card.data);
  const RegToolValue application = Query("OpenGL.ApplicationName");
  EXPECT_EQ("REG_SZ", application.type);
  EXPECT_EQ("Softimage", application.data);
}

TEST_F(RegistryAsSeenByRegTool, BinaryAsHexBytes) {
  ASSERT_EQ(kOk,
            WriteBytes(key_, "HardwareInformation.ChipType", kRegBinary, Bytes{0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x01}));
  const RegToolValue value = Query("HardwareInformation.ChipType");
  EXPECT_EQ("REG_BINARY", value.type);
  EXPECT_EQ("DEADBEEF0001", value.data);
}

TEST_F(RegistryAsSeenByRegTool, MultiStringWithSeparators) {
  const std::string drivers("vexel\0vexelalt\0\0", 16);
  ASSERT_EQ(kOk, WriteBytes(key_, "InstalledDisplayDrivers", kRegMultiSz, Bytes(drivers.begin(), drivers.end())));
  const RegToolValue value = Query("InstalledDisplayDrivers");
  EXPECT_EQ("REG_MULTI_SZ", value.type);
  EXPECT_EQ("vexel\\0vexelalt", value.data);
}

// The registry keeps text as UTF-16: the stored form shows whether a NUL
// went in, whatever the narrow reading makes of it.
TEST_F(RegistryAsSeenByRegTool, StoredTextHoldsExactlyTheCharactersGiven) {
  ASSERT_EQ(kOk, WriteTextWithoutNul(key_, "Without", "Soft"));
  ASSERT_EQ(kOk, WriteText(key_, "With", "Soft"));
  HKEY raw = nullptr;
  const std::string path = root_.Path() + "\\Machine\\Sub";
  ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &raw));
  DWORD without = 0;
  DWORD with = 0;
  EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExW(raw, L"Without", nullptr, nullptr, nullptr, &without));
  EXPECT_EQ(ERROR_SUCCESS, ::RegQueryValueExW(raw, L"With", nullptr, nullptr, nullptr, &with));
  ::RegCloseKey(raw);
  EXPECT_EQ(4 * sizeof(wchar_t), without);
  EXPECT_EQ(5 * sizeof(wchar_t), with);
}

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
    return false;
  }
  ::RegCloseKey(key);
  return true;
}

TEST(TestRegistryRoot, IsMadeByTheFirstWriteAndDeletedWithEverythingBelow) {
  std::string path;
  {
    test::TestRegistryRoot root;
    path = root.Path();
    Win32Registry registry(path + "\\Machine", path + "\\User");
    RegKey key;
    EXPECT_EQ(kFileNotFound, registry.OpenKey(Hive::LocalMachine, "", key));
    ASSERT_EQ(kOk, registry.CreateKey(Hive::CurrentUser, "A\\B", key));
    ASSERT_EQ(kOk, WriteDword(key, "Value", 1));
    EXPECT_TRUE(KeyExists(path + "\\User\\A\\B"));
  }
  EXPECT_FALSE(KeyExists(path));
}

// Only reads: the production registry must never be written by a test.
TEST(Win32Registry, ProductionHivesAreTheRealOnes) {
  Win32Registry registry;
  RegKey machine;
  EXPECT_EQ(kOk, registry.OpenKey(Hive::LocalMachine, "SOFTWARE\\Microsoft", machine));
  RegKey user;
  EXPECT_EQ(kOk, registry.OpenKey(Hive::CurrentUser, "Software", user));
  RegKey missing;
  EXPECT_EQ(kFileNotFound, registry.OpenKey(Hive::LocalMachine, "SOFTWARE\\Vexelworks Missing Key", missing));
}

TEST(RunProcess, CapturesOutputAndEndsAProcessThatOverstays) {
  const test::ProcessResult echo = test::RunProcess("cmd /c echo captured", 60000);
  EXPECT_TRUE(echo.finished);
  EXPECT_NE(std::string::npos, echo.output.find("captured"));

  const test::ProcessResult endless = test::RunProcess("cmd /c \"for /l %i in (1,0,2) do @rem\"", 300);
  EXPECT_TRUE(endless.started);
  EXPECT_FALSE(endless.finished);
}

}  // namespace
}  // namespace vexel
