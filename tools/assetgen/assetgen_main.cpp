// Writes the generated artwork into the folder given on the command line,
// where the resource script picks it up.

#include "assets.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

bool WriteFile(const std::filesystem::path& path, const vexel::assets::Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  file.close();
  return !file.fail();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: vexel_assetgen <output folder>\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  for (const vexel::assets::AssetFile& asset : vexel::assets::AllAssets()) {
    const std::filesystem::path path = folder / asset.fileName;
    if (!WriteFile(path, asset.make())) {
      std::cerr << "vexel_assetgen: cannot write " << path.string() << '\n';
      return 1;
    }
  }
  return 0;
}
