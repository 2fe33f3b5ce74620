// A whole game in virtual time: the engine with the stand-in for its windows, virtual-time
// timers and a random source whose clock always reads the same, so every run draws alike.
#pragma once

#include <cstddef>

#include "engine/game.h"
#include "tests/support/stand_in_windows.h"
#include "tests/support/virtual_clock.h"

namespace zarlin::testing {

struct GameRig {
  VirtualClock clock;
  RandomSource random{[] { return std::uint64_t{20261208}; }};
  StandInWindows windows{clock};
  Game game{windows, clock, random};

  ColourNumber Expected() const {
    return game.vars.Sequence[static_cast<std::size_t>(game.vars.InputIndex)];
  }
  // A click on a colour face: the window echoes it with a flash, then the game judges it.
  void Click(ColourNumber colour) {
    game.FlashColour(colour, game.constants.BlinkTime);
    game.JudgePress(colour);
  }
  void ClickExpected() { Click(Expected()); }
  ColourNumber WrongColour() const { return Expected() == White ? Yellow : White; }
  // Waits for the round's playback to end, then clicks the whole round back.
  void PlayRound() {
    clock.Advance(std::int64_t{game.PlaybackTimer().Interval()} * (game.vars.SeqLastIndex + 2));
    const auto round = game.vars.CurrentRound;
    while (game.GameRunning() && game.vars.CurrentRound == round) ClickExpected();
  }
  void PlayToTheEnd() {
    while (game.GameRunning()) PlayRound();
  }
};

}  // namespace zarlin::testing
