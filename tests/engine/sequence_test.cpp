// Drawing sequences: the random source, the colour of a draw and the two pattern modes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "support/game_rig.h"

namespace zarlin::testing {
namespace {

TEST(RandomSource, ReseedingTwiceWithTheSameClockReadingStillGivesDifferentDraws) {
  RandomSource random([] { return std::uint64_t{42}; });
  random.Reseed();
  const float first = random.Next();
  random.Reseed();
  const float second = random.Next();
  EXPECT_NE(first, second);
}

TEST(RandomSource, ColoursAreUniformOverManyDraws) {
  RandomSource random([] { return std::uint64_t{7}; });
  for (std::int16_t count = 2; count <= 6; ++count) {
    constexpr int Draws = 60'000;
    std::vector<int> seen(count + 1, 0);
    for (int i = 0; i < Draws; ++i) {
      random.Reseed();
      const float r = random.Next();
      ASSERT_GE(r, 0.0f);
      ASSERT_LT(r, 1.0f);
      ++seen[ColourForDraw(r, count)];
    }
    const double expected = double(Draws) / count;
    double chiSquare = 0;
    for (int colour = 1; colour <= count; ++colour) {
      chiSquare += (seen[colour] - expected) * (seen[colour] - expected) / expected;
    }
    // The 99.9th percentile of chi-square with count - 1 (at most 5) degrees of freedom.
    EXPECT_LT(chiSquare, 20.52) << count << " colours";
  }
}

TEST(ColourForDraw, TheWholeRangeOfDrawsGivesExactlyColoursOneToTheCount) {
  const float largest = std::nextafter(1.0f, 0.0f);
  for (std::int16_t count = 2; count <= 6; ++count) {
    EXPECT_EQ(ColourForDraw(0.0f, count), 1) << count;
    EXPECT_EQ(ColourForDraw(largest, count), count) << count;
    EXPECT_EQ(ColourForDraw(std::nextafter(1.0f / float(count), 0.0f), count), 1) << count;
    EXPECT_EQ(ColourForDraw(1.0f / float(count), count), 2) << count;
  }
}

TEST(GenerateSequence, FillsAllEntriesWithTheColoursTakingPart) {
  GameRig rig;
  rig.game.vars.ColourCount = 2;
  rig.game.GenerateSequence();
  for (ColourNumber colour : rig.game.vars.Sequence) EXPECT_TRUE(colour == 1 || colour == 2);
  rig.game.vars.ColourCount = 6;
  rig.game.GenerateSequence();
  const std::set<ColourNumber> seen(rig.game.vars.Sequence.begin(), rig.game.vars.Sequence.end());
  EXPECT_EQ(seen, (std::set<ColourNumber>{1, 2, 3, 4, 5, 6}));
}

TEST(GenerateSequence, SequentialModeDrawsOnceAGameAndEveryRoundPlaysALongerPrefix) {
  GameRig rig;
  rig.game.NewGame();
  const auto drawn = rig.game.vars.Sequence;
  for (int round = 1; round <= 5; ++round) rig.PlayRound();
  EXPECT_EQ(rig.game.vars.SeqLastIndex, 5);
  EXPECT_EQ(rig.game.vars.Sequence, drawn);
  rig.game.NewGame();
  EXPECT_NE(rig.game.vars.Sequence, drawn);
}

TEST(GenerateSequence, OtherModeDrawsEveryRoundAfresh) {
  GameRig rig;
  rig.game.vars.SequentialPatterns = False;
  rig.game.NewGame();
  auto previous = rig.game.vars.Sequence;
  for (int round = 1; round <= 3; ++round) {
    rig.PlayRound();
    EXPECT_NE(rig.game.vars.Sequence, previous) << "round " << round + 1;
    previous = rig.game.vars.Sequence;
  }
}

TEST(GenerateSequence, FewerColoursMidGameKeepTheSequentialSequenceButChangeTheOtherMode) {
  GameRig sequential;
  sequential.game.NewGame();
  const auto drawn = sequential.game.vars.Sequence;
  sequential.game.vars.ColourCount = 2;
  sequential.PlayRound();
  EXPECT_EQ(sequential.game.vars.Sequence, drawn);
  EXPECT_EQ(sequential.windows.calls.back(), "arrange 2");

  GameRig fresh;
  fresh.game.vars.SequentialPatterns = False;
  fresh.game.NewGame();
  fresh.game.vars.ColourCount = 2;
  fresh.PlayRound();
  for (ColourNumber colour : fresh.game.vars.Sequence) EXPECT_LE(colour, 2);
}

TEST(GenerateSequence, SwitchingToSequentialMidGameKeepsTheRoundsSequence) {
  GameRig rig;
  rig.game.vars.SequentialPatterns = False;
  rig.game.NewGame();
  rig.PlayRound();
  const auto drawn = rig.game.vars.Sequence;
  rig.game.vars.SequentialPatterns = True;
  rig.PlayRound();
  rig.PlayRound();
  EXPECT_EQ(rig.game.vars.Sequence, drawn);
}

}  // namespace
}  // namespace zarlin::testing
