#pragma once
// The animation clip as a RIFF/AVI file of RLE8 frames: the Animate common
// control plays only uncompressed or RLE8 clips, and RLE8 keeps it small.

#include "little_endian.h"

namespace vexel::assets {

Bytes MakeAnimationAvi();

}  // namespace vexel::assets
