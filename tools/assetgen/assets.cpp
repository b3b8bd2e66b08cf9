#include "assets.h"

#include <array>

namespace vexel::assets {

std::span<const AssetFile> AllAssets() {
  static constexpr std::array<AssetFile, 5> kAssets{{
      {"vexelpanel.ico", MakeIcon},
      {"spectrum16.bmp", MakeSpectrum16Bitmap},
      {"spectrum256a.bmp", MakeSpectrum256aBitmap},
      {"spectrum256b.bmp", MakeSpectrum256bBitmap},
      {"animation.avi", MakeAnimationAvi},
  }};
  return kAssets;
}

}  // namespace vexel::assets
