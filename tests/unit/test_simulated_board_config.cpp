#include <gtest/gtest.h>

#include "sim/simulated_board_config.h"

namespace vexel {
namespace {

SimulatedBoardConfig Config(BoardModel model, std::uint32_t megabytes, std::uint32_t bits,
                            EscapeSupport escapes = EscapeSupport::Both) {
  SimulatedBoardConfig config;
  config.model = model;
  config.memoryMegabytes = megabytes;
  config.localBufferBits = bits;
  config.escapes = escapes;
  return config;
}

TEST(ParseSimulation, AnyValueWithoutKnownWordsGivesTheDefaultBoard) {
  const SimulatedBoardConfig hawk8Lb32 = Config(BoardModel::VexelHawk, 8, 32);
  EXPECT_EQ(hawk8Lb32, ParseSimulation(""));
  EXPECT_EQ(hawk8Lb32, ParseSimulation("1"));
  EXPECT_EQ(hawk8Lb32, ParseSimulation(",, ,"));
  EXPECT_EQ(hawk8Lb32, ParseSimulation("eagle,fast"));
  EXPECT_EQ("Software\\Vexelworks\\VexelPanel Simulator", ParseSimulation("").registryRoot);
}

TEST(ParseSimulation, EachPresetVariant) {
  EXPECT_EQ(Config(BoardModel::VexelHawk, 8, 32), ParseSimulation("hawk,8mb,lb32"));
  EXPECT_EQ(Config(BoardModel::VexelHawk, 4, 24), ParseSimulation("hawk,4mb,lb24"));
  EXPECT_EQ(Config(BoardModel::VexelKite, 8, 24), ParseSimulation("kite,8mb,lb24"));
  EXPECT_EQ(Config(BoardModel::VexelKite, 4, 32), ParseSimulation("kite,4mb,lb32"));
}

TEST(ParseSimulation, DriversThatDoNotAnswer) {
  EXPECT_EQ(Config(BoardModel::VexelHawk, 8, 32, EscapeSupport::None), ParseSimulation("hawk,noanswer"));
  EXPECT_EQ(Config(BoardModel::VexelKite, 8, 32, EscapeSupport::InfoWithoutVersion), ParseSimulation("kite,no2050"));
}

TEST(ParseSimulation, WordsIgnoreCaseBlanksAndOrderAndTheLastOneWins) {
  EXPECT_EQ(Config(BoardModel::VexelKite, 4, 24), ParseSimulation(" LB24 , 4MB ,Kite "));
  EXPECT_EQ(Config(BoardModel::VexelHawk, 8, 32), ParseSimulation("kite,4mb,lb24,hawk,8mb,lb32"));
  EXPECT_EQ(EscapeSupport::InfoWithoutVersion, ParseSimulation("noanswer,NO2050").escapes);
}

TEST(ParseSimulation, NoPublishKeepsTheRestOfTheBoard) {
  EXPECT_TRUE(ParseSimulation("kite").publish);
  SimulatedBoardConfig quiet = Config(BoardModel::VexelKite, 4, 32, EscapeSupport::InfoWithoutVersion);
  quiet.publish = false;
  EXPECT_EQ(quiet, ParseSimulation("kite,NoPublish,4mb,no2050"));
}

TEST(ParseSimulation, ModeListingWordsKeepTheRestOfTheBoard) {
  const struct {
    const char* words;
    ModeListing listing;
  } rows[] = {
      {"kite", ModeListing::Board},
      {"kite,NoModes", ModeListing::None},
      {"kite, onemode ", ModeListing::One},
      {"kite,HOSTILEMODES", ModeListing::Hostile},
      {"kite,changingmodes", ModeListing::Changing},
      {"kite,nomodes,onemode", ModeListing::One},
      {"kite,nomode,modes,hostile", ModeListing::Board},
  };
  for (const auto& row : rows) {
    SimulatedBoardConfig expected = Config(BoardModel::VexelKite, 8, 32);
    expected.listing = row.listing;
    EXPECT_EQ(expected, ParseSimulation(row.words)) << row.words;
  }
}

TEST(ParseSimulation, SizesOutsideTheirRangeOrMalformedAreIgnored) {
  EXPECT_EQ(16u, ParseSimulation("16mb").memoryMegabytes);
  EXPECT_EQ(4095u, ParseSimulation("4095mb").memoryMegabytes);
  for (const char* word : {"0mb", "4096mb", "mb", "8 mb", "+8mb", "-8mb", "8mbx", "99999999999mb"}) {
    EXPECT_EQ(8u, ParseSimulation(word).memoryMegabytes) << word;
  }
  EXPECT_EQ(16u, ParseSimulation("lb16").localBufferBits);
  for (const char* word : {"lb0", "lb33", "lb", "lb 24", "lb24bit"}) {
    EXPECT_EQ(32u, ParseSimulation(word).localBufferBits) << word;
  }
}

TEST(ParseSimulation, RootKeepsItsCaseAndBlanksInside) {
  EXPECT_EQ("Software\\My Tests\\Board 1",
            ParseSimulation("kite, ROOT= Software\\My Tests\\Board 1 ,4mb").registryRoot);
  EXPECT_EQ(BoardModel::VexelKite, ParseSimulation("kite, root=X ,4mb").model);
}

TEST(ParseSimulation, RootThatTheRegistryWouldRefuseIsIgnored) {
  const std::string defaultRoot = SimulatedBoardConfig{}.registryRoot;
  EXPECT_EQ(defaultRoot, ParseSimulation("root=").registryRoot);
  EXPECT_EQ(defaultRoot, ParseSimulation("root=  ").registryRoot);
  EXPECT_EQ(defaultRoot, ParseSimulation("root=\\Software\\X").registryRoot);
}

}  // namespace
}  // namespace vexel
