// Starting games and rounds, and the timing of playback.
#include <gtest/gtest.h>

#include <cmath>

#include "support/game_rig.h"

namespace zarlin::testing {
namespace {

using Calls = std::vector<std::string>;

TEST(RoundFlow, NewGameArrangesResetsHidesNoticesThenStartsTheRound) {
  GameRig rig;
  rig.game.NewGame();
  EXPECT_EQ(rig.windows.calls, (Calls{"arrange 6", "round 1", "score 0", "hide GameOver",
                                      "hide Win", "arrange 6"}));
  EXPECT_TRUE(rig.game.PlaybackTimer().Enabled());
  EXPECT_EQ(rig.game.PlaybackTimer().Interval(), 400);
  EXPECT_EQ(rig.game.vars.InputIndex, 0);
  EXPECT_EQ(rig.game.vars.PlayIndex, 0);
}

TEST(RoundFlow, FirstFlashComesOneIntervalAfterNewGameAndTheNextTickStopsTheTimer) {
  GameRig rig;
  rig.game.NewGame();
  rig.clock.Advance(399);
  EXPECT_TRUE(rig.windows.flashes.empty());
  rig.clock.Advance(1);
  ASSERT_EQ(rig.windows.flashes.size(), 1u);
  EXPECT_EQ(rig.windows.flashes[0].colour, rig.game.vars.Sequence[0]);
  EXPECT_EQ(rig.windows.flashes[0].milliseconds, 200);
  EXPECT_TRUE(rig.game.PlaybackTimer().Enabled());
  rig.clock.Advance(400);
  EXPECT_FALSE(rig.game.PlaybackTimer().Enabled());
  EXPECT_EQ(rig.windows.flashes.size(), 1u);
  EXPECT_EQ(rig.clock.RunningTimers(), 0);
}

TEST(RoundFlow, RoundOfThreePlaysOneFlashPerIntervalInOrderEvenForRepeatedColours) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 2;
  rig.game.NewGame();
  rig.game.vars.Sequence[0] = Red;
  rig.game.vars.Sequence[1] = Red;
  rig.game.vars.Sequence[2] = Blue;
  rig.clock.Advance(5000);
  ASSERT_EQ(rig.windows.flashes.size(), 3u);
  EXPECT_EQ(rig.windows.flashes[0].colour, Red);
  EXPECT_EQ(rig.windows.flashes[1].colour, Red);
  EXPECT_EQ(rig.windows.flashes[2].colour, Blue);
  EXPECT_EQ(rig.windows.flashes[0].at, 400);
  EXPECT_EQ(rig.windows.flashes[1].at, 800);
  EXPECT_EQ(rig.windows.flashes[2].at, 1200);
}

TEST(RoundFlow, NewGameDuringPlaybackStartsAgainFromTheFirstColour) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 4;
  rig.game.NewGame();
  rig.clock.Advance(850);  // two flashes played
  rig.game.NewGame();
  const ColourNumber first = rig.game.vars.Sequence[0];
  rig.windows.flashes.clear();
  rig.clock.Advance(399);
  EXPECT_TRUE(rig.windows.flashes.empty());
  rig.clock.Advance(1);
  ASSERT_EQ(rig.windows.flashes.size(), 1u);
  EXPECT_EQ(rig.windows.flashes[0].colour, first);
  EXPECT_EQ(rig.game.vars.PlayIndex, 1);
}

TEST(RoundFlow, PlayerWhoClicksAlongStartsTheNextRoundAtOnce) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 3;
  rig.game.NewGame();
  rig.clock.Advance(450);  // one flash of four played
  for (int i = 0; i < 4; ++i) rig.ClickExpected();
  EXPECT_EQ(rig.game.vars.SeqLastIndex, 4);
  EXPECT_EQ(rig.game.vars.PlayIndex, 0);
  EXPECT_EQ(rig.game.vars.InputIndex, 0);
  rig.windows.flashes.clear();
  rig.clock.Advance(400);  // the new round's first flash follows one interval after the click
  ASSERT_EQ(rig.windows.flashes.size(), 1u);
  EXPECT_EQ(rig.windows.flashes[0].at, 850);
  EXPECT_EQ(rig.windows.flashes[0].colour, rig.game.vars.Sequence[0]);
}

TEST(RoundFlow, DelayTakesEffectAtTheNextPlayback) {
  GameRig rig;
  rig.game.NewGame();
  rig.game.vars.Delay = std::string("100");
  EXPECT_EQ(rig.game.PlaybackTimer().Interval(), 400);
  rig.clock.Advance(800);
  rig.ClickExpected();
  EXPECT_EQ(rig.game.PlaybackTimer().Interval(), 300);
}

TEST(RoundFlow, StartLengthWithAFractionRoundsHalfToEven) {
  GameRig rig;
  rig.game.vars.StartLastIndex = 2.5 - 1;
  rig.game.NewGame();
  EXPECT_EQ(rig.game.vars.SeqLastIndex, 2);
  rig.clock.Advance(10'000);
  EXPECT_EQ(rig.windows.flashes.size(), 3u);
}

// The first round's last index is StartLastIndex rounded half to even; start lengths outside 1
// to 128 would read outside the sequence store: they are clamped.
TEST(RoundFlow, StartLastIndexIsRoundedHalfToEvenAndClampedIntoTheStore) {
  const std::pair<double, int> cases[] = {{2.5, 2},       {3.5, 4},     {-5, 0},
                                          {-0.5, 0},      {127.5, 127}, {1000, 127},
                                          {1e300, 127},   {std::nan(""), 0}};
  for (const auto& [startLastIndex, expected] : cases) {
    GameRig rig;
    rig.game.vars.StartLastIndex = startLastIndex;
    rig.game.NewGame();
    EXPECT_EQ(rig.game.vars.SeqLastIndex, expected) << startLastIndex;
  }
}

// A delay that is no number or gives no usable interval plays at the start-up 400 ms.
TEST(RoundFlow, PlaybackIntervalFromEveryKindOfDelay) {
  const std::pair<DelaySetting, int> cases[] = {
      {std::int16_t{200}, 400},     {std::string("200"), 400},    {std::string(" 50 "), 250},
      {std::string("100.5"), 300},  {std::string("101.5"), 302},  {std::string("-199"), 1},
      {std::string("-200"), 400},   {std::string("-1e9"), 400},   {std::string("abc"), 400},
      {std::string(""), 400},       {std::string("2147483447"), 2147483647},
      {std::string("2147483448"), 400}, {std::string("1e400"), 400}};
  for (const auto& [delay, expected] : cases) {
    EXPECT_EQ(PlaybackInterval(delay, 200), expected)
        << (std::holds_alternative<std::string>(delay) ? std::get<std::string>(delay) : "200");
  }
}

TEST(RoundFlow, FlashColourPassesOnlyColourNumbers) {
  GameRig rig;
  for (int colour : {0, 1, 6, 7, -1}) rig.game.FlashColour(static_cast<ColourNumber>(colour), 200);
  EXPECT_EQ(rig.windows.calls, (Calls{"flash 1 at 0 for 200 ms", "flash 6 at 0 for 200 ms"}));
}

}  // namespace
}  // namespace zarlin::testing
