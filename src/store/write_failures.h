// Registry writes that failed during one apply of the sheet. Every page adds
// what it could not store; the sheet tells the user once per apply.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vexel {

struct WriteFailure {
  // The key, as the user would find it: "HKEY_LOCAL_MACHINE\<path>".
  std::string key;
  // The value name; empty when the key itself could not be opened.
  std::string value;
  long status = 0;
};

// Each key or value that failed is collected once per apply; a key without a
// path is never opened, so it cannot fail.
class WriteFailures {
 public:
  void KeyNotOpened(std::string_view keyPath, long status);
  void ValueNotWritten(std::string_view keyPath, std::string_view value, long status);

  bool Empty() const { return failures_.empty(); }
  const std::vector<WriteFailure>& Entries() const { return failures_; }
  // Hands the collected failures over and starts afresh for the next apply.
  std::vector<WriteFailure> Take();

 private:
  void Add(WriteFailure failure);

  std::vector<WriteFailure> failures_;
};

// The message the user gets: one line per failure, each with the system's
// reason as `reasonOf` words it.
std::string WriteFailuresText(const std::vector<WriteFailure>& failures, std::string (*reasonOf)(long status));

}  // namespace vexel
