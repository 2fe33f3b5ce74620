// The game's procedures: starting games and rounds, drawing sequences, playing them back and
// judging the player's clicks. Everything runs on the one thread that delivers window events.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "colour.h"
#include "game_variables.h"
#include "game_windows.h"
#include "random_source.h"
#include "timer.h"

namespace zarlin {

class Game {
 public:
  Game(GameWindows& windows, TimerFactory& timers, RandomSource& random);
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The state, read and written directly by the windows and the options dialog.
  GameConstants constants;
  GameVariables vars;

  // Round flow and playback (round_flow.cpp).
  void NewGame();
  void ResetGame();
  void StartRound();
  void PlaySequence(std::int16_t lastIndex, std::int16_t blinkTime, const DelaySetting& delay);
  void tmrSeq_Timer();
  void FlashColour(ColourNumber colour, std::int32_t interval);

  // Sequence generation (sequence.cpp).
  void GenerateSequence();

  // Judging and game end (judging.cpp).
  void JudgePress(ColourNumber colour);
  void ShowGameOver();
  void ShowWin();

  // True from New Game until the game-over or the win notice; clicks outside it are not judged.
  bool GameRunning() const { return gameRunning_; }
  const Timer& PlaybackTimer() const { return *tmrSeq_; }

 private:
  GameWindows& windows_;
  RandomSource& random_;
  std::unique_ptr<Timer> tmrSeq_;
  bool gameRunning_ = false;
};

// The colour for a draw r in [0, 1): floor(r * colourCount) + 1, computed in 32-bit floating
// point, so each of the colours 1 to colourCount is equally likely.
ColourNumber ColourForDraw(float r, std::int16_t colourCount);

// The playback interval for a delay: delay + blink time rounded half to even, when the delay
// reads as a number and the sum is an interval a timer takes, from 1 ms to 2^31 - 1 ms.
std::optional<std::int32_t> UsableInterval(const DelaySetting& delay, std::int16_t blinkTime);

// The usable interval, or else the start-up interval of 400 ms.
std::int32_t PlaybackInterval(const DelaySetting& delay, std::int16_t blinkTime);

}  // namespace zarlin
