// The driver's settings key, opened for one page's loading or one apply.
// Reads leave their output as it was when the key or the value is missing;
// every write or deletion that fails is handed to the apply's failures.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "store/write_failures.h"

namespace vexel {

class SettingsKey {
 public:
  // Opens the key below HKEY_LOCAL_MACHINE; an empty path is never opened.
  SettingsKey(Registry& registry, std::string_view path);

  bool IsOpen() const { return static_cast<bool>(key_); }
  // The status of the open: kOk, or why the key is not open.
  long OpenStatus() const { return openStatus_; }
  const std::string& Path() const { return path_; }

  bool ReadDword(std::string_view name, uint32_t& value) const;
  bool ReadDword(std::string_view name, int32_t& value) const;
  bool ReadText(std::string_view name, std::string& text) const;

  // Each does nothing but report when the key is not open.
  void WriteDword(std::string_view name, uint32_t value, WriteFailures& failures);
  void WriteTextWithoutNul(std::string_view name, std::string_view text, WriteFailures& failures);
  // Deletes the value when it can be read as a number; otherwise leaves the key alone.
  void DeleteIfReadable(std::string_view name, WriteFailures& failures);
  // Deletes the value without looking first; a value that is not there is no failure.
  void Delete(std::string_view name, WriteFailures& failures);

 private:
  void Report(std::string_view name, long status, WriteFailures& failures) const;

  std::string path_;
  RegKey key_;
  long openStatus_;
};

}  // namespace vexel
