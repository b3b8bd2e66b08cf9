#include <gtest/gtest.h>

#include "shared/memory_registry.h"
#include "shared/registry_contract.h"

namespace vexel::contract {

struct MemoryBackend {
  Registry& Get() { return registry; }
  MemoryRegistry registry;
};

INSTANTIATE_TYPED_TEST_SUITE_P(MemoryRegistry, RegistryContract, MemoryBackend);

}  // namespace vexel::contract

namespace vexel {
namespace {

using contract::Bytes;

TEST(MemoryRegistry, SetUpAndInspectionBypassTheKeys) {
  MemoryRegistry registry;
  registry.Put(Hive::LocalMachine, "HARDWARE\\DEVICEMAP\\VIDEO", "\\Device\\Video0", {kRegSz, {'x', 0}});
  RegKey key;
  ASSERT_EQ(kOk, registry.OpenKey(Hive::LocalMachine, "hardware\\devicemap\\video", key));
  std::string text;
  EXPECT_TRUE(ReadText(key, "\\DEVICE\\VIDEO0", text));
  EXPECT_EQ("x", text);

  ASSERT_EQ(kOk, WriteDword(key, "Written", 3));
  EXPECT_EQ((StoredValue{kRegDword, Bytes{3, 0, 0, 0}}),
            registry.Find(Hive::LocalMachine, "Hardware\\DeviceMap\\Video", "written"));
  EXPECT_EQ(2u, registry.ValueCount(Hive::LocalMachine, "HARDWARE\\DEVICEMAP\\VIDEO"));
  EXPECT_EQ(0u, registry.ValueCount(Hive::LocalMachine, "HARDWARE\\DEVICEMAP"));
  EXPECT_EQ(0u, registry.ValueCount(Hive::LocalMachine, "No\\Such\\Key"));
  EXPECT_FALSE(registry.Find(Hive::CurrentUser, "HARDWARE\\DEVICEMAP\\VIDEO", "Written"));
}

TEST(MemoryRegistry, DeniedKeyIsReadableButRefusesWrites) {
  MemoryRegistry registry;
  registry.Put(Hive::LocalMachine, "Settings", "Kept", {kRegDword, {1, 0, 0, 0}});
  registry.DenyWrites(Hive::LocalMachine, "Settings");

  RegKey key;
  ASSERT_EQ(kOk, registry.CreateKey(Hive::LocalMachine, "Settings", key));
  std::uint32_t value = 0;
  EXPECT_TRUE(ReadDword(key, "Kept", value));
  EXPECT_EQ(kAccessDenied, WriteDword(key, "New", 1));
  EXPECT_EQ(kAccessDenied, key.DeleteValue("Kept"));
  RegKey below;
  EXPECT_EQ(kAccessDenied, registry.CreateKey(Hive::LocalMachine, "Settings\\Below", below));
  EXPECT_FALSE(below);
  EXPECT_EQ(kFileNotFound, registry.OpenKey(Hive::LocalMachine, "Settings\\Below", below));
  EXPECT_EQ(1u, registry.ValueCount(Hive::LocalMachine, "Settings"));
}

TEST(MemoryRegistry, OpenKeysShareTheDataAndOutliveTheRegistry) {
  RegKey first;
  RegKey second;
  {
    MemoryRegistry registry;
    ASSERT_EQ(kOk, registry.CreateKey(Hive::CurrentUser, "Shared", first));
    ASSERT_EQ(kOk, registry.OpenKey(Hive::CurrentUser, "shared", second));
  }
  ASSERT_EQ(kOk, WriteText(first, "Name", "value"));
  std::string text;
  EXPECT_TRUE(ReadText(second, "name", text));
  EXPECT_EQ("value", text);
}

TEST(MemoryRegistry, NullDataWithASizeIsRefused) {
  MemoryRegistry registry;
  RegKey key;
  ASSERT_EQ(kOk, registry.CreateKey(Hive::LocalMachine, "Key", key));
  EXPECT_EQ(kNoAccess, key.SetValue("Value", kRegBinary, nullptr, 4));
  EXPECT_EQ(kOk, key.SetValue("Value", kRegBinary, nullptr, 0));
  EXPECT_EQ((StoredValue{kRegBinary, Bytes{}}), registry.Find(Hive::LocalMachine, "Key", "Value"));
}

}  // namespace
}  // namespace vexel
