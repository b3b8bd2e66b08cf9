// The program's exit status: 0, or the failures of the run ORed together, so
// an installer's script can tell what went wrong in a quiet run.
#pragma once

namespace vexel {

inline constexpr int kExitOk = 0;
// The export file could not be created or completely written.
inline constexpr int kExitExportFailed = 1;
// The board model and settings key could not be stored under the per-maker key.
inline constexpr int kExitPerMakerKeyFailed = 2;

}  // namespace vexel
