#include <gtest/gtest.h>

#include "store/driver_info.h"

namespace vexel {
namespace {

void PutBytes(DriverInfoReply& reply, size_t offset, std::initializer_list<uint8_t> bytes) {
  for (uint8_t byte : bytes) {
    reply.bytes.at(offset++) = byte;
  }
}

TEST(DriverInfoReply, StartsAllZeroAndUnsupported) {
  const DriverInfoReply reply;
  EXPECT_EQ(sizeof(reply.bytes), 280u);
  EXPECT_EQ(reply.VendorId(), 0u);
  EXPECT_EQ(reply.BoardModel(), 0u);
  EXPECT_EQ(reply.LocalBufferSize(), 0u);
  EXPECT_EQ(reply.LocalBufferWidth(), 0u);
  EXPECT_FALSE(reply.IsSupportedVendor());
}

TEST(DriverInfoReply, DecodesLittleEndianFieldsUntouchedByTheirNeighbours) {
  DriverInfoReply reply;
  reply.bytes.fill(0xAA);
  PutBytes(reply, 8, {0x3D, 0x3D, 0x00, 0x00});
  PutBytes(reply, 20, {0x01, 0x00, 0x00, 0x00});
  PutBytes(reply, 28, {0x00, 0x00, 0x80, 0x00});
  PutBytes(reply, 32, {0x20, 0x00, 0x00, 0x00});
  EXPECT_EQ(reply.VendorId(), 0x3D3Du);
  EXPECT_TRUE(reply.IsSupportedVendor());
  EXPECT_EQ(reply.BoardModel(), 1u);
  EXPECT_EQ(reply.LocalBufferSize(), 8u * 1024 * 1024);
  EXPECT_EQ(reply.LocalBufferWidth(), 32u);
}

TEST(DriverInfoReply, UsesAllFourBytesWithoutSignExtension) {
  DriverInfoReply reply;
  PutBytes(reply, 8, {0x00, 0x00, 0x3D, 0x3D});
  PutBytes(reply, 20, {0x78, 0x56, 0x34, 0x12});
  PutBytes(reply, 28, {0xFF, 0xFF, 0xFF, 0xFF});
  PutBytes(reply, 32, {0x00, 0x00, 0x00, 0x80});
  EXPECT_EQ(reply.VendorId(), 0x3D3D0000u);
  EXPECT_FALSE(reply.IsSupportedVendor());
  EXPECT_EQ(reply.BoardModel(), 0x12345678u);
  EXPECT_EQ(reply.LocalBufferSize(), 0xFFFFFFFFu);
  EXPECT_EQ(reply.LocalBufferWidth(), 0x80000000u);
}

TEST(DriverAnswered, NeedsBothEscapesAndAPositiveResult) {
  EXPECT_TRUE(DriverAnswered({.versionSupported = true, .infoSupported = true, .infoResult = 1}));
  EXPECT_FALSE(DriverAnswered({.versionSupported = true, .infoSupported = true, .infoResult = 0}));
  EXPECT_FALSE(DriverAnswered({.versionSupported = true, .infoSupported = true, .infoResult = -1}));
  EXPECT_FALSE(DriverAnswered({.versionSupported = false, .infoSupported = true, .infoResult = 280}));
  EXPECT_FALSE(DriverAnswered({.versionSupported = true, .infoSupported = false, .infoResult = 280}));
}

}  // namespace
}  // namespace vexel
