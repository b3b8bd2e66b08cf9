#include "store/version_strings.h"

#include <windows.h>

#include <cstring>
#include <vector>

#include "store/key_paths.h"

namespace vexel {
namespace {

constexpr char StringBlock[] = "\\StringFileInfo\\000004B0\\";

}  // namespace

VersionResource::VersionResource(const std::string& moduleFile) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(moduleFile.c_str(), &ignored);
    if (size == 0) {
        return;
    }
    block_.assign(size, '\0');
    if (!::GetFileVersionInfoA(moduleFile.c_str(), 0, size, block_.data())) {
        block_.clear();
    }
}

std::optional<std::string> VersionResource::String(std::string_view entry) const {
    if (block_.empty()) {
        return std::nullopt;
    }
    const std::string query = StringBlock + std::string(entry);
    char* text = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(block_.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || !text) {
        return std::nullopt;
    }
    // The length may or may not count the terminating NUL.
    return std::string(text, ::strnlen(text, length));
}

std::string OwnModuleFile() {
    std::string path(MAX_PATH + 1, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::string OwnPerMakerKeyPath() {
    const VersionResource own(OwnModuleFile());
    return PerMakerKeyPath(own.String("InternalName").value_or(""), own.String("FileVersion").value_or(""));
}

}  // namespace vexel
