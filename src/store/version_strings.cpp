#include "store/version_strings.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "store/key_paths.h"
#include "win/ansi_text.h"

namespace vexel {
namespace {

constexpr wchar_t kStringBlock[] = L"\\StringFileInfo\\000004B0\\";

std::wstring OwnModuleFile() {
  std::wstring path(MAX_PATH + 1, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring Wide(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                           static_cast<int>(wide.size()));
  wide.resize(static_cast<size_t>(length > 0 ? length : 0));
  return wide;
}

}  // namespace

VersionResource VersionResource::Own() { return VersionResource(OwnModuleFile()); }

VersionResource::VersionResource(const std::wstring& moduleFile) {
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(moduleFile.c_str(), &ignored);
  if (size == 0) {
    return;
  }
  block_.assign(size, '\0');
  if (!::GetFileVersionInfoW(moduleFile.c_str(), 0, size, block_.data())) {
    block_.clear();
  }
}

std::optional<std::string> VersionResource::String(std::string_view entry) const {
  if (block_.empty()) {
    return std::nullopt;
  }
  const std::wstring query = kStringBlock + Wide(entry);
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block_.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text) {
    return std::nullopt;
  }
  // The length may or may not count the terminating NUL.
  return AnsiCodePageText(std::u16string_view(reinterpret_cast<const char16_t*>(text), ::wcsnlen(text, length)));
}

std::optional<std::string> OwnPerMakerKeyPath() {
  const VersionResource own = VersionResource::Own();
  return PerMakerKeyPath(own.String("InternalName"), own.String("FileVersion"));
}

}  // namespace vexel
