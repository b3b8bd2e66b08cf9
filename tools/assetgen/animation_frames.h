#pragma once
// The pictures of the page headers' animation clip: a slowly turning wireframe
// cube beside the name, which sits over a spectrum bar with a glowing band
// sweeping along it.

#include "colours.h"
#include "drawing.h"

namespace vexel::assets {

inline constexpr int kClipWidth = 240;
inline constexpr int kClipHeight = 84;
inline constexpr int kClipFrames = 41;
inline constexpr int kClipPaletteSize = 256;

// The kClipPaletteSize colours every frame is drawn with.
Palette ClipPalette();

// Frame `index` of kClipFrames; the last one leads seamlessly back to the first.
IndexedImage ClipFrame(int index);

}  // namespace vexel::assets
