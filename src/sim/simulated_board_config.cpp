#include "sim/simulated_board_config.h"

#include <charconv>
#include <optional>
#include <utility>

#include "core/ascii_case.h"

namespace vexel {

namespace {

constexpr std::string_view kRootPrefix = "root=";
constexpr std::uint32_t kMaxMegabytes = 4095;  // the byte count must fit 32 bits
constexpr std::uint32_t kMaxLocalBufferBits = 32;

constexpr std::pair<std::string_view, ModeListing> kListingWords[] = {
    {"nomodes", ModeListing::None},
    {"onemode", ModeListing::One},
    {"hostilemodes", ModeListing::Hostile},
    {"changingmodes", ModeListing::Changing},
};

std::string_view Trim(std::string_view word) {
  const auto first = word.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return word.substr(first, word.find_last_not_of(" \t") - first + 1);
}

// A whole-word decimal number from 1 to `max`.
std::optional<std::uint32_t> NumberIn(std::string_view digits, std::uint32_t max) {
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  if (number == 0 || number > max) return std::nullopt;
  return number;
}

// "<n><suffix>" or "<prefix><n>": the number, when the word has that shape.
std::optional<std::uint32_t> NumberBetween(std::string_view word, std::string_view prefix, std::string_view suffix,
                                           std::uint32_t max) {
  if (!word.starts_with(prefix) || !word.ends_with(suffix)) return std::nullopt;
  if (word.size() <= prefix.size() + suffix.size()) return std::nullopt;
  return NumberIn(word.substr(prefix.size(), word.size() - prefix.size() - suffix.size()), max);
}

void ApplyRoot(std::string_view word, SimulatedBoardConfig& config) {
  const std::string_view root = Trim(word.substr(kRootPrefix.size()));
  // The registry refuses a path that begins with a backslash.
  if (!root.empty() && root.front() != '\\') config.registryRoot = root;
}

void ApplyWord(std::string_view word, SimulatedBoardConfig& config) {
  const std::string lower = AsciiLowerCased(word);
  if (lower.starts_with(kRootPrefix)) return ApplyRoot(word, config);
  if (lower == "hawk") config.model = BoardModel::VexelHawk;
  if (lower == "kite") config.model = BoardModel::VexelKite;
  if (lower == "noanswer") config.escapes = EscapeSupport::None;
  if (lower == "no2050") config.escapes = EscapeSupport::InfoWithoutVersion;
  if (lower == "nopublish") config.publish = false;
  for (const auto& [listingWord, listing] : kListingWords) {
    if (lower == listingWord) config.listing = listing;
  }
  if (const auto megabytes = NumberBetween(lower, "", "mb", kMaxMegabytes)) {
    config.memoryMegabytes = *megabytes;
  }
  if (const auto bits = NumberBetween(lower, "lb", "", kMaxLocalBufferBits)) {
    config.localBufferBits = *bits;
  }
}

}  // namespace

SimulatedBoardConfig ParseSimulation(std::string_view value) {
  SimulatedBoardConfig config;
  while (!value.empty()) {
    const std::size_t comma = value.find(',');
    ApplyWord(Trim(value.substr(0, comma)), config);
    value = comma == std::string_view::npos ? std::string_view{} : value.substr(comma + 1);
  }
  return config;
}

}  // namespace vexel
