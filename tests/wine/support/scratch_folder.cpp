#include "support/scratch_folder.h"

#include <windows.h>

#include <atomic>

#include "win/unique_handle.h"

namespace vexel::test {
namespace {

std::string CurrentFolder() {
  char path[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, path);
  return path;
}

std::string UniquePath() {
  static std::atomic<unsigned> counter{0};
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  return std::string(temp) + "vexel-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
         std::to_string(::GetTickCount64()) + "-" + std::to_string(counter++);
}

}  // namespace

ScratchFolder::ScratchFolder() : previous_(CurrentFolder()), path_(UniquePath()) {
  ::CreateDirectoryA(path_.c_str(), nullptr);
  ::SetCurrentDirectoryA(path_.c_str());
}

// Tests make files and empty folders only, so one level is all there is.
ScratchFolder::~ScratchFolder() {
  ::SetCurrentDirectoryA(previous_.c_str());
  for (const std::string& name : Names()) {
    if (!::DeleteFileA(Full(name).c_str())) ::RemoveDirectoryA(Full(name).c_str());
  }
  ::RemoveDirectoryA(path_.c_str());
}

std::vector<std::string> ScratchFolder::Names() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  HANDLE search = ::FindFirstFileA(Full("*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return names;
}

std::optional<std::string> ScratchFolder::Read(std::string_view name) const {
  const win::UniqueHandle file(::CreateFileA(Full(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes(::GetFileSize(file.Get(), nullptr), '\0');
  DWORD read = 0;
  if (!::ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) return std::nullopt;
  if (read != bytes.size()) return std::nullopt;
  return bytes;
}

bool ScratchFolder::Write(std::string_view name, std::string_view bytes) const {
  const win::UniqueHandle file(
      ::CreateFileA(Full(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file.Get() == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  return ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool ScratchFolder::MakeFolder(std::string_view name) const {
  return ::CreateDirectoryA(Full(name).c_str(), nullptr) != FALSE;
}

bool ScratchFolder::IsFolder(std::string_view name) const {
  const DWORD attributes = ::GetFileAttributesA(Full(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace vexel::test
