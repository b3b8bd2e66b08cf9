// What the fuzz targets share: a display driver that answers its escapes with
// fuzzed bytes, fuzzed registry values, and a check that stops the run.
#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "platform/display.h"
#include "shared/memory_registry.h"

namespace vexel::fuzz {

// A broken promise is a finding: libFuzzer keeps the input that caused it.
inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// Answers every escape it supports with `reply`, cut or zero-padded to the
// caller's buffer, and `result`.
class FuzzedDisplay final : public Display {
 public:
  FuzzedDisplay(std::vector<int32_t> supported, int result, std::span<const uint8_t> reply)
      : supported_(std::move(supported)), result_(result), reply_(reply) {}

  int Escape(int32_t code, std::span<const uint8_t> input, std::span<uint8_t> output) override {
    if (code == kQueryEscSupportEscape) {
      return input.size() == 4 && Supports(static_cast<int32_t>(input[0] | input[1] << 8)) ? 1 : 0;
    }
    if (!Supports(code)) return 0;
    std::ranges::fill(output, uint8_t{0});
    std::copy_n(reply_.begin(), std::min(reply_.size(), output.size()), output.begin());
    return result_;
  }
  DeviceCaps Caps() override { return {640, 480, 16, 60}; }
  bool EnumMode(uint32_t, DisplayMode&) override { return false; }
  long ChangeMode(const DisplayMode&, bool) override { return kDispChangeFailed; }
  void BroadcastDisplayChange(uint32_t, int32_t, int32_t) override {}
  VersionInfo Version() override { return {}; }

 private:
  bool Supports(int32_t code) const { return std::ranges::find(supported_, code) != supported_.end(); }

  std::vector<int32_t> supported_;
  int result_;
  std::span<const uint8_t> reply_;
};

// A value of any type, size and content, as a driver, an installer or a
// person may have left it.
inline StoredValue FuzzedValue(FuzzedDataProvider& input) {
  StoredValue value;
  value.type = input.PickValueInArray<uint32_t>({kRegSz, kRegExpandSz, kRegBinary, kRegDword, kRegMultiSz, 0, 11});
  value.data = input.ConsumeBytes<uint8_t>(input.ConsumeIntegralInRange<size_t>(0, 600));
  return value;
}

// Creates the key and puts a fuzzed value, or none, under each name.
inline void PutFuzzedValues(FuzzedDataProvider& input, MemoryRegistry& registry, std::string_view key,
                            std::span<const char* const> names) {
  RegKey created;
  registry.CreateKey(Hive::LocalMachine, key, created);
  for (const char* name : names) {
    if (input.ConsumeBool()) registry.Put(Hive::LocalMachine, key, name, FuzzedValue(input));
  }
}

}  // namespace vexel::fuzz
