#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexel {

// Registry key paths derived from one another. All are relative to the
// machine root.

// The device key named by the device map's "\Device\Video0" value: the text
// after "REGISTRY\Machine\", found without regard to case wherever it sits
// (Wine writes "\Registry\Machine\..."), or the whole text without that
// prefix. The text ends at its first NUL, as registry text does.
std::string DeviceKeyFromDeviceMap(std::string_view deviceMapValue);

// The key path up to, not including, its last backslash; empty when the path
// has no backslash, since a single component has no parent below the root.
std::string ServiceKeyPath(std::string_view keyPath);

// The hardware-profile copy of a driver key: the profile services root, then
// the last two components of `basePath` (empty components are skipped). Empty
// when the base has fewer than two components: such a key has no profile
// copy, and callers treat an empty path as a key that cannot be opened.
std::string ProfileKeyPath(std::string_view basePath);

// The per-maker key "SOFTWARE\Vexelworks\<internal name>\<file version>",
// from the program's version entries, or nothing when either is missing or
// empty: a key built from empty parts would land in another key.
std::optional<std::string> PerMakerKeyPath(const std::optional<std::string>& internalName,
                                           const std::optional<std::string>& fileVersion);

}  // namespace vexel
