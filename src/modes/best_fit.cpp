#include "modes/best_fit.h"

#include <algorithm>

namespace vexel {
namespace {

using ModeField = int32_t DisplayMode::*;

struct FitRule {
  ModeField key;
  ModeField matchA;
  ModeField matchB;
  ModeField rank;
};

constexpr DisplayMode kFallbackMode{15, 1024, 768, 60};

DisplayMode BestFit(const ModeCatalogue& catalogue, const DisplayMode& current, const FitRule& rule) {
  DisplayMode best = current;
  best.*rule.rank = 0;
  for (const DisplayMode& mode : catalogue) {
    if (mode.*rule.key != current.*rule.key) {
      continue;
    }
    if (mode.*rule.matchA == current.*rule.matchA && mode.*rule.matchB == current.*rule.matchB) {
      return mode;
    }
    // Greater-or-equal lets the last of several equally good modes win.
    if (mode.*rule.rank >= best.*rule.rank) {
      best = mode;
    }
  }
  return best;
}

}  // namespace

bool CheckCurrentMode(const ModeCatalogue& catalogue, DisplayMode& current) {
  const bool listed = std::ranges::any_of(catalogue, [&current](const DisplayMode& mode) {
    return mode.BitsPerPel == current.BitsPerPel && mode.DisplayFrequency == current.DisplayFrequency &&
           mode.PelsWidth == current.PelsWidth;
  });
  if (!listed) {
    current = kFallbackMode;
  }
  return listed;
}

DisplayMode FitByRefresh(const ModeCatalogue& catalogue, const DisplayMode& current) {
  return BestFit(
      catalogue, current,
      {&DisplayMode::DisplayFrequency, &DisplayMode::BitsPerPel, &DisplayMode::PelsWidth, &DisplayMode::PelsWidth});
}

DisplayMode FitByColor(const ModeCatalogue& catalogue, const DisplayMode& current) {
  return BestFit(
      catalogue, current,
      {&DisplayMode::BitsPerPel, &DisplayMode::DisplayFrequency, &DisplayMode::PelsWidth, &DisplayMode::PelsWidth});
}

DisplayMode FitByWidth(const ModeCatalogue& catalogue, const DisplayMode& current) {
  return BestFit(catalogue, current,
                 {&DisplayMode::PelsWidth, &DisplayMode::DisplayFrequency, &DisplayMode::BitsPerPel,
                  &DisplayMode::DisplayFrequency});
}

}  // namespace vexel
