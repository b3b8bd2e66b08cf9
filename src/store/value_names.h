#pragma once

#include "store/value_name_texts.h"

// Registry key and value names that the code spells itself. Names of values
// that a page control edits come from the resources' string table instead.
namespace vexel::names {

// Device map: its value names the first display device's key.
inline constexpr char DeviceMapKey[] = "HARDWARE\\DEVICEMAP\\VIDEO";
inline constexpr char DeviceVideo0[] = "\\Device\\Video0";

// Published by the miniport under the device key.
inline constexpr char AdapterString[] = "HardwareInformation.AdapterString";
inline constexpr char ChipType[] = "HardwareInformation.ChipType";
inline constexpr char DacType[] = "HardwareInformation.DACType";
inline constexpr char DriverVersion[] = "HardwareInformation.DriverVersion";
inline constexpr char MemorySize[] = "HardwareInformation.MemorySize";
inline constexpr char LocalbufferLengthBytes[] = "HardwareInformation.LocalbufferLengthBytes";
inline constexpr char LocalbufferBitsPerPel[] = "HardwareInformation.LocalbufferBitsPerPel";
inline constexpr char InstalledDisplayDrivers[] = "InstalledDisplayDrivers";

// Under the service key.
inline constexpr char ImagePath[] = "ImagePath";

// The driver's start-up mode.
inline constexpr char DefaultXResolution[] = "DefaultSettings.XResolution";
inline constexpr char DefaultYResolution[] = "DefaultSettings.YResolution";
inline constexpr char DefaultBitsPerPel[] = VALUE_NAME_BITS_PER_PEL;
inline constexpr char DefaultVRefresh[] = VALUE_NAME_VREFRESH;

// Under the per-maker key.
inline constexpr char InstalledCard[] = "InstalledCard";
inline constexpr char RegistryPath[] = "RegistryPath";

// Application preset values under the settings key.
inline constexpr char ApplicationName[] = "OpenGL.ApplicationName";
inline constexpr char NumberOfDmaSubBuffers[] = "Vexel3DDMA.NumberOfDMASubBuffers";
inline constexpr char SupportSoftimage[] = "OpenGL.SupportSoftimage";
inline constexpr char SupportSoftimage351[] = "OpenGL.SupportSoftimage351";
inline constexpr char UseFastClear[] = VALUE_NAME_USE_FAST_CLEAR;
inline constexpr char DisableMipMaps[] = VALUE_NAME_DISABLE_MIPMAPS;

// Memory clock synthesiser parameters under the settings key.
inline constexpr char MClkN[] = "Timing.MClkN";
inline constexpr char MClkM[] = "Timing.MClkM";
inline constexpr char MClkP[] = "Timing.MClkP";

}  // namespace vexel::names
