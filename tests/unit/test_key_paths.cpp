#include <gtest/gtest.h>

#include <string>

#include "store/key_paths.h"

namespace vexel {
namespace {

using namespace std::string_literals;

constexpr char ProfileRoot[] =
    "SYSTEM\\CurrentControlSet\\Hardware Profiles\\Current\\System\\CurrentControlSet\\Services";

TEST(DeviceKeyFromDeviceMap, CutsThePrefixWhateverItsCaseOrPlace) {
  EXPECT_EQ(DeviceKeyFromDeviceMap("\\REGISTRY\\Machine\\System\\CurrentControlSet\\Services\\Vexel3D\\Device0"),
            "System\\CurrentControlSet\\Services\\Vexel3D\\Device0");
  EXPECT_EQ(DeviceKeyFromDeviceMap("\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{1}\\0000"),
            "System\\CurrentControlSet\\Control\\Video\\{1}\\0000");
  EXPECT_EQ(DeviceKeyFromDeviceMap("REGISTRY\\Machine\\System\\X"), "System\\X");
  EXPECT_EQ(DeviceKeyFromDeviceMap("registry\\MACHINE\\System\\X"), "System\\X");
}

TEST(DeviceKeyFromDeviceMap, WithoutThePrefixTheWholeTextIsThePath) {
  EXPECT_EQ(DeviceKeyFromDeviceMap("System\\CurrentControlSet\\Services\\Vexel3D\\Device0"),
            "System\\CurrentControlSet\\Services\\Vexel3D\\Device0");
  EXPECT_EQ(DeviceKeyFromDeviceMap("\\Device0"), "\\Device0");
  EXPECT_EQ(DeviceKeyFromDeviceMap("\\REGISTRY\\Machin"), "\\REGISTRY\\Machin");
  EXPECT_EQ(DeviceKeyFromDeviceMap(""), "");
}

TEST(DeviceKeyFromDeviceMap, TextEndsAtItsFirstNul) {
  EXPECT_EQ(DeviceKeyFromDeviceMap("\\REGISTRY\\Machine\\System\\X\0\0"s), "System\\X");
  EXPECT_EQ(DeviceKeyFromDeviceMap("System\0\\REGISTRY\\Machine\\Other"s), "System");
  EXPECT_EQ(DeviceKeyFromDeviceMap("\\REGISTRY\\Machine\\"), "");
}

TEST(ServiceKeyPath, IsTheParentKey) {
  EXPECT_EQ(ServiceKeyPath("System\\CurrentControlSet\\Services\\Vexel3D\\Device0"),
            "System\\CurrentControlSet\\Services\\Vexel3D");
  EXPECT_EQ(ServiceKeyPath("Vexel3D\\Device0"), "Vexel3D");
  EXPECT_EQ(ServiceKeyPath("Device0"), "");
  EXPECT_EQ(ServiceKeyPath(""), "");
}

TEST(ProfileKeyPath, AppendsTheLastTwoComponentsToTheProfileRoot) {
  EXPECT_EQ(ProfileKeyPath("System\\CurrentControlSet\\Services\\Vexel3D\\Device0"),
            ProfileRoot + "\\Vexel3D\\Device0"s);
  EXPECT_EQ(ProfileKeyPath("Vexel3D\\Device0"), ProfileRoot + "\\Vexel3D\\Device0"s);
  EXPECT_EQ(ProfileKeyPath("System\\Vexel3D\\\\Device0\\"), ProfileRoot + "\\Vexel3D\\Device0"s);
}

TEST(ProfileKeyPath, IsEmptyWithFewerThanTwoComponents) {
  EXPECT_EQ(ProfileKeyPath("Device0"), "");
  EXPECT_EQ(ProfileKeyPath("\\Device0\\"), "");
  EXPECT_EQ(ProfileKeyPath(""), "");
}

TEST(PerMakerKeyPath, JoinsNameAndVersionWithoutLimit) {
  EXPECT_EQ(PerMakerKeyPath("VEXELPANEL", "3.3"), "SOFTWARE\\Vexelworks\\VEXELPANEL\\3.3");
  const std::string longName(1000, 'N');
  EXPECT_EQ(PerMakerKeyPath(longName, "3.3"), "SOFTWARE\\Vexelworks\\" + longName + "\\3.3");
}

TEST(PerMakerKeyPath, NoneWithoutBothParts) {
  EXPECT_EQ(PerMakerKeyPath(std::nullopt, "3.3"), std::nullopt);
  EXPECT_EQ(PerMakerKeyPath("VEXELPANEL", ""), std::nullopt);
}

}  // namespace
}  // namespace vexel
