#include "sim/simulated_board.h"

#include <algorithm>

#include "core/driver_info_reply.h"
#include "core/little_endian.h"
#include "sim/driver_mode_lists.h"
#include "sim/utf16_text.h"

namespace vexel {

namespace {

constexpr char kDisplayDriverVersion[] = "2.3";

// The driver's private escapes: its version text and its information reply.
constexpr std::int32_t kVersionEscape = 2050;
constexpr std::int32_t kInfoEscape = 2067;
// The PCI vendor of the board's rendering chip.
constexpr std::uint32_t kChipVendorId = 0x3D3D;

constexpr int kEscapeDone = 1;
constexpr int kEscapeFailed = -1;

bool IsDefaultRefresh(std::int32_t refresh) { return refresh == 0 || refresh == 1; }

}  // namespace

SimulatedBoard::SimulatedBoard(std::shared_ptr<Registry> registry, const SimulatedBoardConfig& config)
    : config_(config), miniport_(std::move(registry), config), lists_(DriverModeLists(config, kStartupMode)) {}

void SimulatedBoard::Boot() {
  miniport_.Publish(kStartupMode);
  if (!miniport_.RunningMode()) StoreStartupModeAsRunning();
}

void SimulatedBoard::Reboot() {
  miniport_.Publish(kStartupMode);
  StoreStartupModeAsRunning();
}

void SimulatedBoard::StoreStartupModeAsRunning() {
  miniport_.StoreRunningMode(ListedOrStartup(miniport_.StartupMode()));
}

bool SimulatedBoard::EnumMode(std::uint32_t number, DisplayMode& out) const {
  const std::vector<DisplayMode>& modes = Modes();
  if (number >= modes.size()) return false;
  out = modes[number];
  return true;
}

int SimulatedBoard::Escape(std::int32_t code, std::span<const std::uint8_t> input,
                           std::span<std::uint8_t> output) const {
  if (code == kQueryEscSupportEscape) {
    const bool supported = input.size() >= 4 && Supports(static_cast<std::int32_t>(ReadLittleEndian32(input)));
    return supported ? kEscapeDone : 0;
  }
  if (!Supports(code)) return 0;
  return code == kVersionEscape ? AnswerVersion(output) : AnswerInfo(output);
}

bool SimulatedBoard::Supports(std::int32_t escape) const {
  if (escape == kVersionEscape) return config_.escapes == EscapeSupport::Both;
  if (escape == kInfoEscape) return config_.escapes != EscapeSupport::None;
  return false;
}

int SimulatedBoard::AnswerVersion(std::span<std::uint8_t> output) const {
  const std::vector<std::uint8_t> text = Utf16LeWithNul(kDisplayDriverVersion);
  if (output.size() < text.size()) return kEscapeFailed;
  std::ranges::copy(text, output.begin());
  return kEscapeDone;
}

int SimulatedBoard::AnswerInfo(std::span<std::uint8_t> output) const {
  if (output.size() < DriverInfoReply::kSize) return kEscapeFailed;
  const std::span<std::uint8_t> reply = output.first(DriverInfoReply::kSize);
  std::ranges::fill(reply, std::uint8_t{0});
  WriteLittleEndian32(reply, DriverInfoReply::kVendorIdOffset, kChipVendorId);
  WriteLittleEndian32(reply, DriverInfoReply::kBoardModelOffset, config_.model == BoardModel::VexelHawk ? 1 : 0);
  WriteLittleEndian32(reply, DriverInfoReply::kLocalBufferSizeOffset, config_.memoryMegabytes << 20);
  WriteLittleEndian32(reply, DriverInfoReply::kLocalBufferWidthOffset, config_.localBufferBits);
  return kEscapeDone;
}

DisplayMode SimulatedBoard::RunningMode() const {
  return ListedOrStartup(miniport_.RunningMode().value_or(kStartupMode));
}

// Like real drivers, the board reports 16 bits per pixel for its 15-bit modes.
DeviceCaps SimulatedBoard::Caps() const {
  const DisplayMode mode = RunningMode();
  return {mode.PelsWidth, mode.PelsHeight, mode.BitsPerPel == 15 ? 16 : mode.BitsPerPel, mode.DisplayFrequency};
}

long SimulatedBoard::ChangeMode(const DisplayMode& mode, bool testOnly) {
  const std::optional<DisplayMode> listed = FindListed(mode);
  if (!listed) return kDispChangeBadMode;
  if (testOnly) return kDispChangeSuccessful;
  if (!miniport_.StoreRunningMode(*listed)) return kDispChangeFailed;
  list_ = (list_ + 1) % lists_.size();
  return kDispChangeSuccessful;
}

std::optional<DisplayMode> SimulatedBoard::FindListed(const DisplayMode& mode) const {
  const auto matches = [&](const DisplayMode& listed) {
    return listed.BitsPerPel == mode.BitsPerPel && listed.PelsWidth == mode.PelsWidth &&
           listed.PelsHeight == mode.PelsHeight &&
           (listed.DisplayFrequency == mode.DisplayFrequency || IsDefaultRefresh(mode.DisplayFrequency));
  };
  const auto found = std::ranges::find_if(Modes(), matches);
  if (found == Modes().end()) return std::nullopt;
  return *found;
}

DisplayMode SimulatedBoard::ListedOrStartup(const DisplayMode& mode) const {
  return FindListed(mode).value_or(kStartupMode);
}

}  // namespace vexel
