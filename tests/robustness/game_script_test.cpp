// Scripts of game events, from the fuzzer's seed corpus and from a seeded random source, played
// against the engine: no script may break the game's invariants or stray from the rules.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "fuzz/game_script.h"

namespace zarlin::fuzz {
namespace {

// What a broken script shows: the first thing that broke and the shortest script that breaks it.
std::string Finding(const std::vector<std::uint8_t>& script) {
  const ScriptResult shortest = ShortestBrokenScript(script);
  std::string shown = shortest.broken;
  for (const std::string& event : shortest.script) shown += "\n  " + event;
  return shown;
}

std::vector<std::uint8_t> ReadCorpusFile(const std::string& name) {
  std::ifstream file(std::string(ZARLIN_CORPUS) + "/" + name + ".bin", std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(GameScripts, TheSeedsReachWhatTheyAreFor) {
  struct Seed {
    const char* name;
    int wins, gameOvers, refusedOptions;
  };
  const Seed seeds[] = {{"win_from_start_length_1", 1, 0, 0},
                        {"start_length_128_win", 1, 0, 0},
                        {"game_over_on_the_first_click", 0, 1, 0},
                        {"refused_options", 0, 0, 3},
                        {"new_game_during_playback", 0, 0, 0},
                        {"tiny_delays", 0, 0, 0}};
  for (const Seed& seed : seeds) {
    const auto script = ReadCorpusFile(seed.name);
    ASSERT_FALSE(script.empty()) << seed.name;
    const auto result = PlayScript(script.data(), script.size());
    EXPECT_TRUE(result.broken.empty()) << seed.name << ": " << Finding(script);
    EXPECT_EQ(result.wins, seed.wins) << seed.name;
    EXPECT_EQ(result.gameOvers, seed.gameOvers) << seed.name;
    EXPECT_EQ(result.refusedOptions, seed.refusedOptions) << seed.name;
  }
}

TEST(GameScripts, EveryFileOfTheCorpusKeepsTheInvariants) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(ZARLIN_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<std::uint8_t> script{std::istreambuf_iterator<char>(file),
                                           std::istreambuf_iterator<char>()};
    EXPECT_TRUE(PlayScript(script.data(), script.size()).broken.empty())
        << entry.path() << ": " << Finding(script);
    ++files;
  }
  EXPECT_GE(files, 5);
}

TEST(GameScripts, SeededRandomScriptsKeepTheInvariants) {
  std::mt19937 random(20261208);
  int gameOvers = 0, refused = 0;
  for (int i = 0; i < 2000; ++i) {
    std::vector<std::uint8_t> script(random() % 400);
    // Mostly right clicks and waits, so that games get far, with every other event mixed in.
    for (auto& byte : script) {
      const auto r = random() % 100;
      byte = static_cast<std::uint8_t>(random());
      if (r < 60) byte = WaitForPlayback;
      if (r < 45) byte = ClickExpected;
    }
    const auto result = PlayScript(script.data(), script.size());
    ASSERT_TRUE(result.broken.empty()) << "script " << i << ": " << Finding(script);
    gameOvers += result.gameOvers;
    refused += result.refusedOptions;
  }
  EXPECT_GT(gameOvers, 100);
  EXPECT_GT(refused, 10);
}

}  // namespace
}  // namespace zarlin::fuzz
