#pragma once

#include "store/value_name_texts.h"

// Registry key and value names that the code spells itself. Names of values
// that a page control edits come from the resources' string table instead.
namespace vexel::names {

// Device map: its value names the first display device's key.
inline constexpr char kDeviceMapKey[] = "HARDWARE\\DEVICEMAP\\VIDEO";
inline constexpr char kDeviceVideo0[] = "\\Device\\Video0";

// Published by the miniport under the device key.
inline constexpr char kAdapterString[] = "HardwareInformation.AdapterString";
inline constexpr char kChipType[] = "HardwareInformation.ChipType";
inline constexpr char kDacType[] = "HardwareInformation.DACType";
inline constexpr char kDriverVersion[] = "HardwareInformation.DriverVersion";
inline constexpr char kMemorySize[] = "HardwareInformation.MemorySize";
inline constexpr char kLocalbufferLengthBytes[] = "HardwareInformation.LocalbufferLengthBytes";
inline constexpr char kLocalbufferBitsPerPel[] = "HardwareInformation.LocalbufferBitsPerPel";
inline constexpr char kInstalledDisplayDrivers[] = "InstalledDisplayDrivers";

// Under the service key.
inline constexpr char kImagePath[] = "ImagePath";

// The driver's start-up mode.
inline constexpr char kDefaultXResolution[] = "DefaultSettings.XResolution";
inline constexpr char kDefaultYResolution[] = "DefaultSettings.YResolution";
inline constexpr char kDefaultBitsPerPel[] = VALUE_NAME_BITS_PER_PEL;
inline constexpr char kDefaultVRefresh[] = VALUE_NAME_VREFRESH;

// Under the per-maker key.
inline constexpr char kInstalledCard[] = "InstalledCard";
inline constexpr char kRegistryPath[] = "RegistryPath";

// Application preset values under the settings key.
inline constexpr char kApplicationName[] = "OpenGL.ApplicationName";
inline constexpr char kNumberOfDmaSubBuffers[] = "Vexel3DDMA.NumberOfDMASubBuffers";
inline constexpr char kSupportSoftimage[] = "OpenGL.SupportSoftimage";
inline constexpr char kSupportSoftimage351[] = "OpenGL.SupportSoftimage351";
inline constexpr char kUseFastClear[] = VALUE_NAME_USE_FAST_CLEAR;
inline constexpr char kDisableMipMaps[] = VALUE_NAME_DISABLE_MIPMAPS;

// Memory clock synthesiser parameters under the settings key.
inline constexpr char kMClkN[] = "Timing.MClkN";
inline constexpr char kMClkM[] = "Timing.MClkM";
inline constexpr char kMClkP[] = "Timing.MClkP";

}  // namespace vexel::names
