// A dialog template as the resource compiler writes a DIALOG statement (the
// DLGTEMPLATE layout), read only as far as its bytes go. Portable, so its
// reading is tested natively.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vexel::win {

// The template without the items of the given control ids, every other
// byte as it was. Nothing when the bytes are not a whole DLGTEMPLATE (an
// extended template included), so the caller keeps the template it has.
std::optional<std::vector<std::uint8_t>> DialogTemplateWithout(std::span<const std::uint8_t> dialog,
                                                               std::span<const std::uint16_t> controlIds);

}  // namespace vexel::win
