#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vexel {

// The name of the environment variable that switches the simulated board on.
inline constexpr char kSimulateVariable[] = "VEXELPANEL_SIMULATE";

enum class BoardModel { VexelHawk, VexelKite };

// Which of the board's two escapes its driver supports.
enum class EscapeSupport {
  Both,                // a driver that answers
  None,                // a driver that does not answer
  InfoWithoutVersion,  // 2067 without 2050, which counts as not answering
};

// Which modes the driver lists. Besides its board's own list, the driver can
// be one of the odd ones panels meet in the field.
enum class ModeListing {
  Board,     // the board's modes, the start-up mode once more at the end
  None,      // no modes at all
  One,       // the start-up mode only
  Hostile,   // 100,000 modes: duplicates, default refreshes, odd and absurd values
  Changing,  // after each mode set the next of two lists: the board's, then a longer one
};

// Everything that tells one simulated board from another.
struct SimulatedBoardConfig {
  BoardModel model = BoardModel::VexelHawk;
  std::uint32_t memoryMegabytes = 8;
  std::uint32_t localBufferBits = 32;
  EscapeSupport escapes = EscapeSupport::Both;
  // Off: the miniport publishes nothing at boot, so the registry holds only
  // what is already there (a test's own device map and driver values).
  bool publish = true;
  ModeListing listing = ModeListing::Board;
  // Below HKEY_CURRENT_USER: the board's stand-in for HKEY_LOCAL_MACHINE
  // is its "Machine" subkey.
  std::string registryRoot = "Software\\Vexelworks\\VexelPanel Simulator";

  friend bool operator==(const SimulatedBoardConfig&, const SimulatedBoardConfig&) = default;
};

// Reads the variable's value: words separated by commas, in any case and
// order, each overriding the defaults above:
//   hawk | kite               the board model
//   <n>mb                     video memory in megabytes (1 to 4095)
//   lb<n>                     local buffer depth in bits (1 to 32)
//   noanswer | no2050         the driver's escapes
//   nopublish                 the miniport publishes no registry values
//   nomodes | onemode         a driver that lists no modes, or only its
//                             start-up mode
//   hostilemodes              a driver that lists 100,000 modes: duplicates,
//                             refresh 0 and 1, depths 4, 15, 16, 24 and 32
//                             beside 0, 7, 33 and 4294967295, absurd sizes
//   changingmodes             a driver whose list changes with every mode
//                             set: the board's list, then one with more
//                             depths, sizes and refreshes, then back
//   root=<key>                the registry root below HKEY_CURRENT_USER
// Words it does not know are ignored, so any value (e.g. "1") gives the
// default board: a VexelHawk with 8 MB and a 32-bit local buffer.
SimulatedBoardConfig ParseSimulation(std::string_view value);

}  // namespace vexel
