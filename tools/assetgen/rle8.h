#pragma once
// The BI_RLE8 encoder the clip's frames are stored with.

#include "drawing.h"
#include "little_endian.h"

namespace vexel::assets {

// One BI_RLE8 picture: the rows bottom-up as DIBs store them, each row
// complete (encoded runs of at most 255, absolute runs padded to a word),
// rows separated by end-of-line and the whole closed by end-of-bitmap.
Bytes EncodeRle8(const IndexedImage& image);

}  // namespace vexel::assets
