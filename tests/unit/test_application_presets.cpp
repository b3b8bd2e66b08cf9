#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mode_test_support.h"
#include "modes/application_presets.h"
#include "shared/memory_registry.h"

namespace vexel {
namespace {

constexpr char kKey[] = "System\\CurrentControlSet\\Services\\Vexel3D\\Device0";

struct VariantCase {
  uint32_t memorySize;
  uint32_t localBufferWidth;
  std::size_t variant;
};

TEST(ApplicationPresetVariant, EightMegabytesAndA32BitLocalBufferEachSetTheirBit) {
  for (const VariantCase& c : {VariantCase{8388608, 24, 1},
                               {8389632, 24, 1},
                               {9437184, 24, 0},
                               {8388607, 24, 0},
                               {16777216, 32, 2},
                               {4194304, 32, 2},
                               {8388608, 32, 3},
                               {0, 0, 0}}) {
    EXPECT_EQ(ApplicationPresetVariant(c.memorySize, c.localBufferWidth), c.variant)
        << c.memorySize << " bytes, " << c.localBufferWidth << " bits";
  }
}

TEST(ApplicationPresets, EveryVariantListsTheSameNamesAndOnlyThe32BitOnesUseFastClear) {
  for (std::size_t variant = 0; variant < 4; ++variant) {
    for (std::size_t row = 0; row < kApplicationPresetRows; ++row) {
      const ApplicationPreset& preset = ApplicationPresets[variant][row];
      EXPECT_STREQ(preset.settings.name, ApplicationPresets[0][row].settings.name);
      EXPECT_EQ(preset.settings.supportSoftimage, 0);
      if (variant < 2) {
        EXPECT_EQ(preset.settings.useFastClear, 0) << variant << "/" << row;
      }
      EXPECT_EQ(preset.mode.DisplayFrequency, row >= 10 ? 60 : 0) << variant << "/" << row;
    }
  }
  EXPECT_STREQ(ApplicationPresets[0][kApplicationPresetSeparator].settings.name, "");
}

TEST(ApplicationPresets, ModesFollowTheBoardsMemory) {
  EXPECT_EQ(ApplicationPresets[1][1].mode, (DisplayMode{15, 1280, 1024, 0}));  // AutoCAD, 8 MB
  EXPECT_EQ(ApplicationPresets[0][1].mode, (DisplayMode{8, 1280, 1024, 0}));
  EXPECT_EQ(ApplicationPresets[3][4].mode, (DisplayMode{32, 1024, 768, 0}));   // Softimage
  EXPECT_EQ(ApplicationPresets[2][2].mode, (DisplayMode{15, 1280, 1024, 0}));  // AVS
  EXPECT_EQ(ApplicationPresets[2][10].mode, (DisplayMode{15, 1024, 768, 60}));
  for (const ApplicationPresetTable& rows : ApplicationPresets) {
    EXPECT_STREQ(rows[11].settings.name, "Minimal Configuration");
    EXPECT_EQ(rows[11].mode, (DisplayMode{8, 1024, 768, 60}));
    EXPECT_EQ(rows[11].settings.useFastClear, 0);
  }
  EXPECT_EQ(ApplicationPresets[3][7].settings.useFastClear, 0);  // I-DEAS
  EXPECT_EQ(ApplicationPresets[3][0].settings.numberOfDmaSubBuffers, 2);
}

// A key that records the names it is given to write, in order.
class RecordingKey final : public KeyImpl {
 public:
  explicit RecordingKey(std::vector<std::string>& names) : names_(names) {}
  long QueryValue(std::string_view, std::uint32_t*, void*, std::uint32_t*) const override { return kFileNotFound; }
  long SetValue(std::string_view name, std::uint32_t, const void*, std::uint32_t) override {
    names_.emplace_back(name);
    return kOk;
  }
  long DeleteValue(std::string_view) override { return kOk; }

 private:
  std::vector<std::string>& names_;
};

class RecordingRegistry final : public Registry {
 public:
  long OpenKey(Hive, std::string_view, RegKey& out) override {
    out = RegKey(std::make_unique<RecordingKey>(names));
    return kOk;
  }
  long CreateKey(Hive hive, std::string_view path, RegKey& out) override { return OpenKey(hive, path, out); }
  std::vector<std::string> names;
};

TEST(StoreAppSettings, WritesTheNameWithoutNulThenTheOptionsInTheDriversOrder) {
  RecordingRegistry recorder;
  WriteFailures failures;
  SettingsKey recorded(recorder, kKey);
  StoreAppSettings(recorded, ApplicationPresets[0][6].settings, failures);
  EXPECT_EQ(recorder.names, (std::vector<std::string>{"OpenGL.ApplicationName", "Vexel3DDMA.NumberOfDMASubBuffers",
                                                      "OpenGL.UseFastClear", "OpenGL.SupportSoftimage",
                                                      "OpenGL.DisableMipMaps", "OpenGL.SupportSoftimage351"}));

  MemoryRegistry registry;
  registry.Put(Hive::LocalMachine, kKey, "Other", {kRegDword, {0, 0, 0, 0}});
  SettingsKey key(registry, kKey);
  StoreAppSettings(key, ApplicationPresets[0][6].settings, failures);
  const std::string name = "Pro/ENGINEER or Pro/JR.";
  EXPECT_EQ(registry.Find(Hive::LocalMachine, kKey, "OpenGL.ApplicationName"),
            (StoredValue{kRegSz, {name.begin(), name.end()}}));
  EXPECT_EQ(registry.Find(Hive::LocalMachine, kKey, "Vexel3DDMA.NumberOfDMASubBuffers"),
            (StoredValue{kRegDword, {5, 0, 0, 0}}));
  EXPECT_TRUE(failures.Empty());
}

class PresetMatching : public ::testing::Test {
 protected:
  PresetMatching() { registry.Put(Hive::LocalMachine, kKey, "Other", {kRegDword, {0, 0, 0, 0}}); }
  void Store(const AppSettings& settings) {
    SettingsKey key(registry, kKey);
    StoreAppSettings(key, settings, failures);
  }
  void PutDword(std::string_view name, uint8_t value) {
    registry.Put(Hive::LocalMachine, kKey, name, {kRegDword, {value, 0, 0, 0}});
  }
  std::optional<std::size_t> Match(std::size_t variant) {
    return MatchStoredPreset(ApplicationPresets[variant], ReadStoredPreset(SettingsKey(registry, kKey)));
  }
  MemoryRegistry registry;
  WriteFailures failures;
};

// Mipmaps and Softimage 3.51 are each compared with their own field: paired
// crosswise, the rows where the two differ would never be found again.
TEST_F(PresetMatching, EveryNamedRowOfEveryVariantIsFoundOnceStored) {
  for (std::size_t variant = 0; variant < 4; ++variant) {
    for (std::size_t row = 0; row < kApplicationPresetRows; ++row) {
      if (row == kApplicationPresetSeparator) continue;
      Store(ApplicationPresets[variant][row].settings);
      EXPECT_EQ(Match(variant), row) << "variant " << variant << ", " << ApplicationPresets[variant][row].settings.name;
    }
  }
}

TEST_F(PresetMatching, NameIgnoresLetterCaseButEveryOptionMustBeEqualAndReadable) {
  for (std::size_t variant = 0; variant < 4; ++variant) {
    Store(ApplicationPresets[variant][1].settings);
    registry.Put(Hive::LocalMachine, kKey, "OpenGL.ApplicationName", {kRegSz, {'a', 'U', 'T', 'O', 'c', 'a', 'd'}});
    EXPECT_EQ(Match(variant), 1u) << variant;
  }
  Store(ApplicationPresets[0][8].settings);  // SolidWorks
  PutDword("Vexel3DDMA.NumberOfDMASubBuffers", 4);
  EXPECT_EQ(Match(0), std::nullopt);
  Store(ApplicationPresets[0][8].settings);
  registry.Put(Hive::LocalMachine, kKey, "OpenGL.DisableMipMaps", {kRegDword, {0, 0, 0, 0, 0}});
  EXPECT_EQ(Match(0), std::nullopt);
}

TEST_F(PresetMatching, NoNameOrAnUnknownNameMatchesNothingAndAnEmptyNameOnlyTheSeparator) {
  EXPECT_EQ(Match(0), std::nullopt);
  Store({"Blender", 0, 0, 5, 0, 0});
  EXPECT_EQ(Match(0), std::nullopt);
  Store(ApplicationPresets[2][kApplicationPresetSeparator].settings);
  EXPECT_EQ(Match(2), kApplicationPresetSeparator);
  EXPECT_EQ(Match(0), std::nullopt);  // fast clear differs
}

}  // namespace
}  // namespace vexel
