// The settings key as the option pages use it: reads that leave their output
// alone, and writes and deletions whose failures reach the apply's report.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shared/memory_registry.h"
#include "store/settings_key.h"
#include "store/write_failures.h"

namespace vexel {
namespace {

constexpr char kPath[] = "System\\Services\\Vexel3D\\Device0";

StoredValue Dword(uint32_t value) {
  return {kRegDword,
          {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
           static_cast<uint8_t>(value >> 24)}};
}

class SettingsKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { registry.Put(Hive::LocalMachine, kPath, "Present", Dword(7)); }

  MemoryRegistry registry;
  WriteFailures failures;
};

TEST_F(SettingsKeyTest, AnEmptyOrMissingPathIsNeverOpenedNorWrittenThrough) {
  for (const char* path : {"", "No\\Such\\Key"}) {
    SettingsKey key(registry, path);
    EXPECT_FALSE(key.IsOpen()) << path;
    int32_t value = -3;
    EXPECT_FALSE(key.ReadDword("Present", value));
    EXPECT_EQ(value, -3);
    key.WriteDword("Written", 1, failures);
    key.Delete("Present", failures);
    EXPECT_TRUE(failures.Empty()) << "the page reports a key it cannot open itself";
  }
  EXPECT_EQ(registry.ValueCount(Hive::LocalMachine, ""), 0u) << "nothing written at the machine root";
}

TEST_F(SettingsKeyTest, DeletionsTouchOnlyWhatTheirRuleAllows) {
  registry.Put(Hive::LocalMachine, kPath, "Text", {kRegSz, {'a', 'b', 'c', 'd', 'e', 0}});
  SettingsKey key(registry, kPath);
  key.DeleteIfReadable("Text", failures);     // longer than a number: left alone
  key.DeleteIfReadable("Missing", failures);  // nothing to do
  key.Delete("Missing", failures);            // a missing value is no failure
  key.DeleteIfReadable("Present", failures);
  EXPECT_TRUE(registry.Find(Hive::LocalMachine, kPath, "Text"));
  EXPECT_FALSE(registry.Find(Hive::LocalMachine, kPath, "Present"));
  EXPECT_TRUE(failures.Empty());
}

TEST_F(SettingsKeyTest, EveryRefusedWriteIsCollectedWithItsKeyValueAndReason) {
  registry.DenyWrites(Hive::LocalMachine, kPath);
  SettingsKey key(registry, kPath);
  key.WriteDword("Number", 1, failures);
  key.WriteTextWithoutNul("Name", "AVS", failures);
  key.Delete("Present", failures);
  ASSERT_EQ(failures.Entries().size(), 3u);
  EXPECT_EQ(failures.Entries()[0].key, std::string("HKEY_LOCAL_MACHINE\\") + kPath);
  EXPECT_EQ(failures.Entries()[1].value, "Name");
  EXPECT_EQ(failures.Entries()[2].status, kAccessDenied);

  const std::string text =
      WriteFailuresText(failures.Take(), [](long status) { return "reason " + std::to_string(status); });
  EXPECT_TRUE(failures.Empty()) << "taken for one apply's message";
  EXPECT_NE(text.find("\"Number\" in HKEY_LOCAL_MACHINE\\System\\Services\\Vexel3D\\Device0: reason 5"),
            std::string::npos)
      << text;
}

TEST_F(SettingsKeyTest, AKeyThatCannotBeOpenedIsToldAsSuch) {
  failures.KeyNotOpened("Missing\\Key", kFileNotFound);
  const std::string text = WriteFailuresText(failures.Take(), [](long) { return std::string("gone"); });
  EXPECT_NE(text.find("The key HKEY_LOCAL_MACHINE\\Missing\\Key could not be opened: gone"), std::string::npos) << text;
}

// Every page of an apply opens the same settings key: one apply's report
// names each failure once, and a key without a path was never opened.
TEST(WriteFailures, EachKeyOrValueOncePerApplyAndNoKeyWithoutAPath) {
  WriteFailures failures;
  for (int apply = 0; apply < 2; ++apply) {
    for (int page = 0; page < 3; ++page) {
      failures.KeyNotOpened("No\\Such\\Key", kFileNotFound);
      failures.KeyNotOpened("", kFileNotFound);
      failures.ValueNotWritten("Refusing", "A", kAccessDenied);
    }
    failures.ValueNotWritten("Refusing", "B", kAccessDenied);
    std::vector<std::string> named;
    for (const WriteFailure& failure : failures.Take()) named.push_back(failure.key + "|" + failure.value);
    EXPECT_EQ(named, (std::vector<std::string>{"HKEY_LOCAL_MACHINE\\No\\Such\\Key|", "HKEY_LOCAL_MACHINE\\Refusing|A",
                                               "HKEY_LOCAL_MACHINE\\Refusing|B"}))
        << "apply " << apply;
  }
}

}  // namespace
}  // namespace vexel
