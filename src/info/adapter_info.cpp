#include "info/adapter_info.h"

#include <cstdarg>
#include <cstdio>
#include <span>
#include <utility>

namespace vexel {
namespace {

[[gnu::format(printf, 1, 2)]] std::string Printf(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::va_list measuring;
  va_copy(measuring, arguments);
  const int length = std::vsnprintf(nullptr, 0, format, measuring);
  va_end(measuring);
  std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, arguments);
  va_end(arguments);
  return text;
}

// "%lX" wants an unsigned long, which is 64 bits wide on some hosts: the
// value is widened first, so it never prints more than its 32 bits.
std::string Hex(std::uint32_t value) { return Printf("0x%lX", static_cast<unsigned long>(value)); }

// Texts from the driver, the registry or OpenGL may carry line breaks; each
// must stay one line beside its label and one statement of the script.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

std::string InformationText(const AdapterInfo& info) {
  const DisplayMode& mode = info.defaultMode;
  const std::string pieces[] = {
      OneLine(info.miniportFile + " - " + info.miniportVersion),
      OneLine(info.displayDriverFile + " - " + info.displayDriverVersion),
      // Resolution, pixel depth and refresh rate: three lines in one piece.
      Printf("%dx%d\n%d\n%d", mode.PelsWidth, mode.PelsHeight, mode.BitsPerPel, mode.DisplayFrequency),
      OneLine(info.adapter),
      Printf("%dMB", static_cast<int>(info.memorySize >> 20)),
      OneLine(info.openGL),
      OneLine(info.chip),
      OneLine(info.dac),
  };
  std::string text = pieces[0];
  for (const std::string& piece : std::span(pieces).subspan(1)) text += "\n" + piece;
  return text;
}

std::string ExportText(const AdapterInfo& info) {
  const DisplayMode& mode = info.defaultMode;
  const std::pair<const char*, std::string> lines[] = {
      {"Mode", Printf("%dx%dx%dat%dHz", mode.PelsWidth, mode.PelsHeight, mode.BitsPerPel, mode.DisplayFrequency)},
      {"Miniport", info.miniportVersion},
      {"Display", info.displayDriverVersion},
      {"OpenGL", info.openGL},
      {"Adapter", info.adapter},
      {"Chip", info.chip},
      {"DAC", info.dac},
      {"FBMem", Hex(info.memorySize)},
      {"LBMem", Hex(info.localBufferSize)},
  };
  std::string text;
  for (const auto& [name, value] : lines) text += std::string("Set VexelPanel_") + name + "=" + OneLine(value) + "\n";
  return text;
}

std::string MiniportFileOf(std::string_view imagePath) {
  const std::size_t backslash = imagePath.rfind('\\');
  return std::string(backslash == std::string_view::npos ? imagePath : imagePath.substr(backslash + 1));
}

std::string DisplayDriverFileOf(std::string_view driverName) { return std::string(driverName) + ".dll"; }

}  // namespace vexel
