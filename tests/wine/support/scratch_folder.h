// A folder of a test's own below the temporary folder. It is the current
// folder while it exists, so relative file names, and the programs a test
// starts, land in it; it goes with everything in it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexel::test {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The names of the files and folders in it, as the file system spells them.
  std::vector<std::string> Names() const;
  // A file's bytes, or nothing when it cannot be read.
  std::optional<std::string> Read(std::string_view name) const;
  bool Write(std::string_view name, std::string_view bytes) const;
  bool MakeFolder(std::string_view name) const;
  bool IsFolder(std::string_view name) const;

 private:
  std::string Full(std::string_view name) const { return path_ + "\\" + std::string(name); }

  std::string previous_;
  std::string path_;
};

}  // namespace vexel::test
