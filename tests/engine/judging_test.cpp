// Judging clicks, and whole games from New Game to their end.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/game_rig.h"

namespace zarlin::testing {
namespace {

using Calls = std::vector<std::string>;

TEST(JudgePress, RightClickScoresThenLastOfTheRoundCountsTheRoundThenStartsTheNext) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 1;
  rig.game.NewGame();
  rig.clock.Advance(1200);
  rig.windows.calls.clear();
  rig.ClickExpected();
  EXPECT_EQ(rig.game.vars.InputIndex, 1);
  rig.ClickExpected();
  const std::string flash0 = "flash " + std::to_string(rig.game.vars.Sequence[0]) + " at 1200 for 200 ms";
  const std::string flash1 = "flash " + std::to_string(rig.game.vars.Sequence[1]) + " at 1200 for 200 ms";
  EXPECT_EQ(rig.windows.calls,
            (Calls{flash0, "score 1", flash1, "score 2", "round 2", "arrange 6"}));
  EXPECT_EQ(rig.game.vars.SeqLastIndex, 2);
  EXPECT_EQ(rig.game.vars.InputIndex, 0);
  EXPECT_EQ(rig.game.vars.PlayIndex, 0);
}

TEST(JudgePress, FirstRightClickOfAGameFromTheStartUpValues) {
  GameRig rig;
  rig.game.NewGame();
  rig.ClickExpected();
  EXPECT_EQ(rig.windows.scoreValue, "1");
  EXPECT_EQ(rig.windows.roundValue, "2");
  EXPECT_EQ(rig.game.vars.SeqLastIndex, 1);
  rig.windows.flashes.clear();
  rig.clock.Advance(10'000);
  EXPECT_EQ(rig.windows.flashes.size(), 2u);
}

TEST(JudgePress, WrongFirstClickEndsTheGameAndLeavesEverythingElseAlone) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 3;
  rig.game.NewGame();
  rig.windows.calls.clear();
  rig.game.JudgePress(rig.WrongColour());
  EXPECT_EQ(rig.windows.calls, (Calls{"show GameOver"}));
  EXPECT_EQ(rig.game.vars.Score, 0);
  EXPECT_EQ(rig.game.vars.CurrentRound, 1);
  EXPECT_FALSE(rig.game.GameRunning());
  // The playback that is running goes on.
  rig.clock.Advance(10'000);
  EXPECT_EQ(rig.windows.flashes.size(), 4u);
}

TEST(JudgePress, ClicksBeforeTheFirstGameAndAfterItsEndAreNotJudged) {
  GameRig rig;
  rig.game.JudgePress(White);
  EXPECT_TRUE(rig.windows.calls.empty());

  rig.game.NewGame();
  rig.ClickExpected();
  rig.game.JudgePress(rig.WrongColour());
  const auto state = rig.game.vars;
  rig.windows.calls.clear();
  for (ColourNumber colour = White; colour <= Black; ++colour) rig.game.JudgePress(colour);
  for (int i = 0; i < 3; ++i) rig.ClickExpected();
  EXPECT_EQ(rig.game.vars.Score, state.Score);
  EXPECT_EQ(rig.game.vars.CurrentRound, state.CurrentRound);
  EXPECT_EQ(rig.game.vars.InputIndex, state.InputIndex);
  EXPECT_EQ(std::count_if(rig.windows.calls.begin(), rig.windows.calls.end(),
                          [](const std::string& call) { return call.rfind("flash", 0) != 0; }),
            0);
}

TEST(JudgePress, AColourThatNoLongerTakesPartIsStillRightAtItsPlace) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 1;
  rig.game.NewGame();
  rig.game.vars.Sequence[0] = Black;
  rig.game.vars.ColourCount = 2;
  rig.game.JudgePress(Black);
  EXPECT_EQ(rig.game.vars.Score, 1);
  EXPECT_TRUE(rig.game.GameRunning());
}

TEST(WholeGame, FromStartLengthOneToTheWin) {
  GameRig rig;
  rig.game.NewGame();
  rig.PlayToTheEnd();
  EXPECT_EQ(rig.game.vars.Score, 8256);
  EXPECT_EQ(rig.windows.scoreValue, "8256");
  EXPECT_EQ(rig.windows.roundValue, "129");
  EXPECT_EQ(std::count(rig.windows.calls.begin(), rig.windows.calls.end(), "show Win"), 1);
  EXPECT_EQ(std::count(rig.windows.calls.begin(), rig.windows.calls.end(), "show GameOver"), 0);
  EXPECT_EQ(rig.windows.calls.back(), "show Win");
  rig.windows.flashes.clear();
  rig.clock.Advance(100'000);
  EXPECT_TRUE(rig.windows.flashes.empty());
  EXPECT_EQ(rig.clock.RunningTimers(), 0);
}

TEST(WholeGame, FromStartLength128TheFirstRoundIsTheLast) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 127;
  rig.game.NewGame();
  rig.PlayToTheEnd();
  EXPECT_EQ(rig.windows.scoreValue, "128");
  EXPECT_EQ(rig.windows.roundValue, "2");
  EXPECT_EQ(rig.windows.calls.back(), "show Win");
}

TEST(WholeGame, NewGameAfterTheEndPlaysAgainFromRoundOne) {
  GameRig rig;
  rig.game.NewGame();
  rig.PlayRound();
  rig.game.JudgePress(rig.WrongColour());
  rig.game.NewGame();
  EXPECT_TRUE(rig.game.GameRunning());
  EXPECT_EQ(rig.windows.roundValue, "1");
  EXPECT_EQ(rig.windows.scoreValue, "0");
  rig.PlayRound();
  EXPECT_EQ(rig.windows.roundValue, "2");
}

}  // namespace
}  // namespace zarlin::testing
