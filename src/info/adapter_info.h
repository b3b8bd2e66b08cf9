// The adapter information record that the About page shows and the export
// writes, and the two texts made of it.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "core/display_mode.h"

namespace vexel {

// What a text field holds when its source cannot be read.
inline constexpr char kNotAvailable[] = "Not Available";

struct AdapterInfo {
  std::string miniportFile;
  std::string displayDriverFile;
  std::string displayDriverVersion;
  std::string adapter = kNotAvailable;
  std::string chip = kNotAvailable;
  std::string dac = kNotAvailable;
  std::string miniportVersion;
  DisplayMode defaultMode;            // the driver's start-up mode
  std::uint32_t memorySize = 0;       // bytes of video (frame buffer) memory
  std::uint32_t localBufferSize = 0;  // bytes of the chip's local buffer
  std::string openGL;
};

// The ten lines beside the About page's labels, "\n" between them and none
// after the last.
std::string InformationText(const AdapterInfo& info);

// The nine "Set VexelPanel_..." lines of the environment script, each ended
// by a line feed alone.
std::string ExportText(const AdapterInfo& info);

// The miniport's file name: an "ImagePath" after its last backslash.
std::string MiniportFileOf(std::string_view imagePath);

// The display driver's file name: a name from "InstalledDisplayDrivers"
// with ".dll" appended.
std::string DisplayDriverFileOf(std::string_view driverName);

}  // namespace vexel
