#include "bench_support.h"

#include <windows.h>

namespace vexel::bench {

std::string BesideThisProgram(const char* file) {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of("\\/") + 1);
  return folder + file;
}

}  // namespace vexel::bench
