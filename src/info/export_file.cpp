#include "info/export_file.h"

#include "win/unique_handle.h"

namespace vexel {
namespace {

// ERROR_SUCCESS when all of the text went into the file in one write.
DWORD WriteWhole(HANDLE file, std::string_view text) {
  DWORD written = 0;
  if (!::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr)) return ::GetLastError();
  return written == text.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

}  // namespace

DWORD WriteExportFile(const std::string& fileName, std::string_view text) {
  HANDLE created =
      ::CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (created == INVALID_HANDLE_VALUE) return ::GetLastError();
  win::UniqueHandle file(created);
  const DWORD error = WriteWhole(file.Get(), text);
  // Closed first: a file open without sharing cannot be deleted.
  file.Reset();
  if (error != ERROR_SUCCESS) ::DeleteFileA(fileName.c_str());
  return error;
}

}  // namespace vexel
