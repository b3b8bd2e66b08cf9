#pragma once
// The generated artwork of the panel: the program icon, the three colour-sample
// strips and the animation clip of the page headers. Every file is built in
// memory, byte for byte the same on every run, so the resource build is
// reproducible and the tests can inspect exactly what ships.
//
// The makers live in their own files by format; this header gathers them for
// the generator and the tests.

#include <span>
#include <string_view>

#include "avi_file.h"
#include "bitmap_files.h"
#include "drawing.h"
#include "little_endian.h"
#include "rle8.h"

namespace vexel::assets {

struct AssetFile {
  std::string_view fileName;
  Bytes (*make)();
};

// The files the resource script includes, under the names it uses.
std::span<const AssetFile> AllAssets();

}  // namespace vexel::assets
