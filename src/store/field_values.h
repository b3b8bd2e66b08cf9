// Records whose 32-bit fields the driver keeps as double words, one named
// value per field: a table of value name and member, and its writing.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

#include "store/settings_key.h"
#include "store/write_failures.h"

namespace vexel {

template <class Record>
struct FieldValue {
  const char* name;
  std::int32_t Record::*field;
};

// Writes each field of the record as its double word, in the table's order.
template <class Record, std::size_t N>
void WriteFieldValues(SettingsKey& key, const std::array<FieldValue<Record>, N>& values, const Record& record,
                      WriteFailures& failures) {
  for (const FieldValue<Record>& value : values) {
    key.WriteDword(value.name, static_cast<std::uint32_t>(record.*value.field), failures);
  }
}

}  // namespace vexel
