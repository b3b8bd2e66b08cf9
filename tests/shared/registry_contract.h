// The behaviour every registry implementation owes the program, written once
// and instantiated for each implementation. A backend type provides
// `Registry& Get()` and owns whatever the registry lives in.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace vexel::contract {

using Bytes = std::vector<std::uint8_t>;

template <class Backend>
class RegistryContract : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(kOk, registry().CreateKey(Hive::LocalMachine, "Sub", key_)); }

  Registry& registry() { return backend_.Get(); }

  // The type and size that a query without a buffer reports.
  std::pair<std::uint32_t, std::uint32_t> TypeAndSize(std::string_view name) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(kOk, key_.QueryValue(name, &type, nullptr, &size));
    return {type, size};
  }

  Backend backend_;
  RegKey key_;
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, KeyNamesIgnoreCaseAndNestedPathsAreCreated) {
  RegKey nested;
  ASSERT_EQ(kOk, this->registry().CreateKey(Hive::LocalMachine, "Sub\\Deep\\Deeper", nested));
  ASSERT_EQ(kOk, WriteDword(nested, "Marker", 7));

  RegKey middle;
  EXPECT_EQ(kOk, this->registry().OpenKey(Hive::LocalMachine, "sUB\\dEEP", middle));
  RegKey reopened;
  ASSERT_EQ(kOk, this->registry().OpenKey(Hive::LocalMachine, "SUB\\DEEP\\DEEPER", reopened));
  std::uint32_t marker = 0;
  EXPECT_TRUE(ReadDword(reopened, "Marker", marker));
  EXPECT_EQ(7u, marker);

  RegKey again;
  ASSERT_EQ(kOk, this->registry().CreateKey(Hive::LocalMachine, "sub\\deep\\deeper", again));
  EXPECT_TRUE(ReadDword(again, "Marker", marker));
}

TYPED_TEST_P(RegistryContract, PathsFollowTheRealRegistry) {
  RegKey key;
  EXPECT_EQ(kFileNotFound, this->registry().OpenKey(Hive::LocalMachine, "Missing", key));
  EXPECT_FALSE(key);
  EXPECT_EQ(kBadPathname, this->registry().OpenKey(Hive::LocalMachine, "\\Sub", key));
  EXPECT_EQ(kBadPathname, this->registry().CreateKey(Hive::LocalMachine, "\\Other", key));
  EXPECT_EQ(kOk, this->registry().OpenKey(Hive::LocalMachine, "Sub\\", key));
  // A failed open leaves no key behind, even where one was open before.
  EXPECT_EQ(kFileNotFound, this->registry().OpenKey(Hive::LocalMachine, "Sub\\Missing", key));
  EXPECT_FALSE(key);

  ASSERT_EQ(kOk, WriteDword(this->key_, "Value", 1));
  RegKey root;
  ASSERT_EQ(kOk, this->registry().OpenKey(Hive::LocalMachine, "", root));
  RegKey sub;
  ASSERT_EQ(kOk, this->registry().OpenKey(Hive::LocalMachine, "Sub", sub));
  std::uint32_t value = 0;
  EXPECT_TRUE(ReadDword(sub, "Value", value));
  EXPECT_FALSE(ReadDword(root, "Value", value));
}

TYPED_TEST_P(RegistryContract, HivesAreSeparate) {
  RegKey user;
  EXPECT_EQ(kFileNotFound, this->registry().OpenKey(Hive::CurrentUser, "Sub", user));
  ASSERT_EQ(kOk, this->registry().CreateKey(Hive::CurrentUser, "Control Panel\\Colors", user));
  ASSERT_EQ(kOk, WriteText(user, "Window", "255 255 255"));
  std::string text;
  EXPECT_FALSE(ReadText(this->key_, "Window", text));
  EXPECT_TRUE(ReadText(user, "window", text));
  EXPECT_EQ("255 255 255", text);
}

TYPED_TEST_P(RegistryContract, ValueNamesIgnoreCase) {
  ASSERT_EQ(kOk, WriteDword(this->key_, "DefaultSettings.BitsPerPel", 8));
  ASSERT_EQ(kOk, WriteDword(this->key_, "DEFAULTSETTINGS.BITSPERPEL", 16));
  std::uint32_t bits = 0;
  EXPECT_TRUE(ReadDword(this->key_, "defaultsettings.bitsperpel", bits));
  EXPECT_EQ(16u, bits);
  EXPECT_EQ(kOk, this->key_.DeleteValue("DefaultSettings.BITSPERPEL"));
  EXPECT_FALSE(ReadDword(this->key_, "DefaultSettings.BitsPerPel", bits));
}

TYPED_TEST_P(RegistryContract, QueryWithoutBufferGivesTypeAndSize) {
  ASSERT_EQ(kOk, WriteBytes(this->key_, "Eight", kRegBinary, Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(std::make_pair(kRegBinary, 8u), this->TypeAndSize("Eight"));
  // With neither buffer nor size the call only says whether the value exists.
  EXPECT_EQ(kOk, this->key_.QueryValue("Eight", nullptr, nullptr, nullptr));
  EXPECT_EQ(kFileNotFound, this->key_.QueryValue("Nine", nullptr, nullptr, nullptr));
  std::array<std::uint8_t, 8> buffer{};
  EXPECT_EQ(kInvalidParameter, this->key_.QueryValue("Eight", nullptr, buffer.data(), nullptr));
}

TYPED_TEST_P(RegistryContract, TooSmallBufferGivesMoreDataAndStaysUntouched) {
  ASSERT_EQ(kOk, WriteBytes(this->key_, "Eight", kRegBinary, Bytes{1, 2, 3, 4, 5, 6, 7, 8}));
  std::array<std::uint8_t, 4> buffer{0xAA, 0xBB, 0xCC, 0xDD};
  std::uint32_t type = 0;
  std::uint32_t size = 4;
  EXPECT_EQ(kMoreData, this->key_.QueryValue("Eight", &type, buffer.data(), &size));
  EXPECT_EQ(8u, size);
  EXPECT_EQ(kRegBinary, type);
  EXPECT_EQ((std::array<std::uint8_t, 4>{0xAA, 0xBB, 0xCC, 0xDD}), buffer);

  std::uint32_t value = 0x11223344;
  EXPECT_FALSE(ReadDword(this->key_, "Eight", value));
  EXPECT_EQ(0x11223344u, value);
}

TYPED_TEST_P(RegistryContract, ShortValueReplacesOnlyItsOwnBytes) {
  ASSERT_EQ(kOk, WriteBytes(this->key_, "Two", kRegBinary, Bytes{0x34, 0x12}));
  std::uint32_t value = 0xAABBCCDD;
  EXPECT_TRUE(ReadDword(this->key_, "Two", value));
  EXPECT_EQ(0xAABB1234u, value);

  ASSERT_EQ(kOk, WriteBytes(this->key_, "None", kRegBinary, Bytes{}));
  EXPECT_TRUE(ReadDword(this->key_, "None", value));
  EXPECT_EQ(0xAABB1234u, value);
}

TYPED_TEST_P(RegistryContract, DwordIsReadWhateverItsType) {
  ASSERT_EQ(kOk, WriteBytes(this->key_, "Binary", kRegBinary, Bytes{0x78, 0x56, 0x34, 0x12}));
  std::uint32_t value = 0;
  EXPECT_TRUE(ReadDword(this->key_, "Binary", value));
  EXPECT_EQ(0x12345678u, value);

  ASSERT_EQ(kOk, WriteDword(this->key_, "Dword", 0xCAFEF00D));
  EXPECT_EQ(std::make_pair(kRegDword, 4u), this->TypeAndSize("Dword"));
  Bytes raw;
  EXPECT_TRUE(ReadBytes(this->key_, "Dword", raw));
  EXPECT_EQ((Bytes{0x0D, 0xF0, 0xFE, 0xCA}), raw);
}

TYPED_TEST_P(RegistryContract, TextIsStoredWithItsNul) {
  ASSERT_EQ(kOk, WriteText(this->key_, "InstalledCard", "VEXELHAWK"));
  EXPECT_EQ(std::make_pair(kRegSz, 10u), this->TypeAndSize("InstalledCard"));
  std::string text;
  EXPECT_TRUE(ReadText(this->key_, "InstalledCard", text));
  EXPECT_EQ("VEXELHAWK", text);

  ASSERT_EQ(kOk, WriteText(this->key_, "Empty", ""));
  EXPECT_EQ(std::make_pair(kRegSz, 1u), this->TypeAndSize("Empty"));
  EXPECT_TRUE(ReadText(this->key_, "Empty", text));
  EXPECT_EQ("", text);
}

TYPED_TEST_P(RegistryContract, TextWithoutNulKeepsItsExactLength) {
  ASSERT_EQ(kOk, WriteTextWithoutNul(this->key_, "OpenGL.ApplicationName", "Softimage"));
  EXPECT_EQ(std::make_pair(kRegSz, 9u), this->TypeAndSize("OpenGL.ApplicationName"));
  std::string text = "previous";
  EXPECT_TRUE(ReadText(this->key_, "OpenGL.ApplicationName", text));
  EXPECT_EQ("Softimage", text);
  Bytes raw;
  EXPECT_TRUE(ReadBytes(this->key_, "OpenGL.ApplicationName", raw));
  EXPECT_EQ(Bytes(text.begin(), text.end()), raw);

  // A buffer with room to spare gets a NUL after the text; the size stays.
  std::array<std::uint8_t, 12> buffer;
  buffer.fill(0xAB);
  std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
  EXPECT_EQ(kOk, this->key_.QueryValue("OpenGL.ApplicationName", nullptr, buffer.data(), &size));
  EXPECT_EQ(9u, size);
  EXPECT_EQ(0, buffer[9]);
  EXPECT_EQ(0xAB, buffer[10]);

  ASSERT_EQ(kOk, WriteTextWithoutNul(this->key_, "Nothing", ""));
  EXPECT_EQ(std::make_pair(kRegSz, 0u), this->TypeAndSize("Nothing"));
  EXPECT_TRUE(ReadText(this->key_, "Nothing", text));
  EXPECT_EQ("", text);
}

TYPED_TEST_P(RegistryContract, BinaryAndMultiStringRoundTrip) {
  const Bytes utf16{'V', 0, 'e', 0, 'x', 0, 0, 0, 0xFF};
  ASSERT_EQ(kOk, WriteBytes(this->key_, "HardwareInformation.ChipType", kRegBinary, utf16));
  Bytes read;
  EXPECT_TRUE(ReadBytes(this->key_, "HardwareInformation.ChipType", read));
  EXPECT_EQ(utf16, read);

  const std::string drivers("vexel\0vexelalt\0\0", 16);
  ASSERT_EQ(kOk, WriteBytes(this->key_, "InstalledDisplayDrivers", kRegMultiSz, Bytes(drivers.begin(), drivers.end())));
  EXPECT_EQ(std::make_pair(kRegMultiSz, 16u), this->TypeAndSize("InstalledDisplayDrivers"));
  EXPECT_TRUE(ReadBytes(this->key_, "InstalledDisplayDrivers", read));
  EXPECT_EQ(Bytes(drivers.begin(), drivers.end()), read);
  std::string first;
  EXPECT_TRUE(ReadText(this->key_, "InstalledDisplayDrivers", first));
  EXPECT_EQ("vexel", first);
}

TYPED_TEST_P(RegistryContract, OverwritingMayChangeTheType) {
  ASSERT_EQ(kOk, WriteDword(this->key_, "Value", 5));
  ASSERT_EQ(kOk, WriteText(this->key_, "Value", "five"));
  EXPECT_EQ(std::make_pair(kRegSz, 5u), this->TypeAndSize("Value"));
}

TYPED_TEST_P(RegistryContract, DeletingValues) {
  EXPECT_EQ(kFileNotFound, this->key_.DeleteValue("Missing"));
  ASSERT_EQ(kOk, WriteDword(this->key_, "UseBiosAddresses", 1));
  EXPECT_EQ(kOk, this->key_.DeleteValue("UseBiosAddresses"));
  EXPECT_EQ(kFileNotFound, this->key_.DeleteValue("UseBiosAddresses"));
}

TYPED_TEST_P(RegistryContract, FailedReadsLeaveTheCallersValues) {
  std::uint32_t number = 42;
  std::string text = "Not Available";
  Bytes bytes{9};
  EXPECT_FALSE(ReadDword(this->key_, "Missing", number));
  EXPECT_FALSE(ReadText(this->key_, "Missing", text));
  EXPECT_FALSE(ReadBytes(this->key_, "Missing", bytes));

  RegKey unopened;
  EXPECT_EQ(kFileNotFound, this->registry().OpenKey(Hive::LocalMachine, "No\\Such\\Key", unopened));
  ASSERT_EQ(kOk, WriteDword(this->key_, "Present", 1));
  EXPECT_FALSE(ReadDword(unopened, "Present", number));
  EXPECT_FALSE(ReadText(unopened, "Present", text));
  EXPECT_EQ(kInvalidHandle, WriteDword(unopened, "Present", 2));
  EXPECT_EQ(kInvalidHandle, unopened.DeleteValue("Present"));

  EXPECT_EQ(42u, number);
  EXPECT_EQ("Not Available", text);
  EXPECT_EQ(Bytes{9}, bytes);
}

TYPED_TEST_P(RegistryContract, ClosedKeyAnswersInvalidHandle) {
  RegKey moved = std::move(this->key_);
  EXPECT_TRUE(moved);
  moved.Close();
  EXPECT_FALSE(moved);
  std::uint32_t size = 0;
  EXPECT_EQ(kInvalidHandle, moved.QueryValue("Value", nullptr, nullptr, &size));
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, KeyNamesIgnoreCaseAndNestedPathsAreCreated, PathsFollowTheRealRegistry,
                            HivesAreSeparate, ValueNamesIgnoreCase, QueryWithoutBufferGivesTypeAndSize,
                            TooSmallBufferGivesMoreDataAndStaysUntouched, ShortValueReplacesOnlyItsOwnBytes,
                            DwordIsReadWhateverItsType, TextIsStoredWithItsNul, TextWithoutNulKeepsItsExactLength,
                            BinaryAndMultiStringRoundTrip, OverwritingMayChangeTheType, DeletingValues,
                            FailedReadsLeaveTheCallersValues, ClosedKeyAnswersInvalidHandle);

}  // namespace vexel::contract
