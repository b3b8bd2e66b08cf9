// The system colours that an OpenGL window takes over while its pixel format
// needs the whole system palette, and the colours it gives back afterwards.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/display.h"
#include "platform/registry.h"

namespace vexel {

// Palette-relative colours, so they keep meaning black and white whatever the
// logical palette holds.
inline constexpr std::uint32_t kPaletteBlack = 0x02000000;
inline constexpr std::uint32_t kPaletteWhite = 0x02FFFFFF;

// One display element: its index is the system-colour number, its name the
// value under the user's "Control Panel\Colors".
struct SysColorElement {
  int index;
  std::string_view name;
  std::uint32_t takenOverColor;
};

inline constexpr std::array<SysColorElement, 25> kSysColorElements{{
    {0, "Scrollbar", kPaletteWhite},      {1, "Background", kPaletteBlack},
    {2, "ActiveTitle", kPaletteBlack},    {3, "InactiveTitle", kPaletteWhite},
    {4, "Menu", kPaletteWhite},           {5, "Window", kPaletteWhite},
    {6, "WindowFrame", kPaletteBlack},    {7, "MenuText", kPaletteBlack},
    {8, "WindowText", kPaletteBlack},     {9, "TitleText", kPaletteWhite},
    {10, "ActiveBorder", kPaletteWhite},  {11, "InactiveBorder", kPaletteWhite},
    {12, "AppWorkspace", kPaletteWhite},  {13, "Hilight", kPaletteBlack},
    {14, "HilightText", kPaletteWhite},   {15, "ButtonFace", kPaletteWhite},
    {16, "ButtonShadow", kPaletteBlack},  {17, "GrayText", kPaletteBlack},
    {18, "ButtonText", kPaletteBlack},    {19, "InactiveTitleText", kPaletteBlack},
    {20, "ButtonHilight", kPaletteBlack}, {21, "ButtonDkShadow", kPaletteBlack},
    {22, "ButtonLight", kPaletteWhite},   {23, "InfoText", kPaletteBlack},
    {24, "InfoWindow", kPaletteWhite},
}};

inline constexpr std::string_view kUserColorsKey = "Control Panel\\Colors";

// Windows NT 3.5 and 3.51 know only the first 21 elements.
std::size_t TakenOverElementCount(const VersionInfo& version);

// A colour written as "red green blue" in decimal ("%ld %ld %ld"); each
// component keeps its low byte, as RGB() does. Empty unless all three are there.
std::optional<std::uint32_t> ParseColorText(std::string_view text);

// The colour to give back to each of the first saved.size() elements: the
// user's setting where it is a text value of at most 64 bytes holding a colour,
// otherwise the colour saved at take-over.
std::vector<std::uint32_t> GivenBackColors(Registry& registry, std::span<const std::uint32_t> saved);

}  // namespace vexel
