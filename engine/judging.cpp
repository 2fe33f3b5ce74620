// Judging the player's clicks: points, the next round, and the two ways a game ends.
#include <string>

#include "game.h"

namespace zarlin {

void Game::JudgePress(ColourNumber colour) {
  // A click before the first game or after its end is flashed by its window but not judged,
  // so the counters shown at the end of a game stay the game's result.
  if (!gameRunning_) return;

  if (vars.Sequence[static_cast<std::size_t>(vars.InputIndex)] != colour) {
    ShowGameOver();
    return;
  }
  ++vars.Score;
  windows_.SetScoreValue(std::to_string(vars.Score));
  if (vars.InputIndex < vars.SeqLastIndex) {
    ++vars.InputIndex;
    return;
  }
  // The score caption changes before the round caption, and both before the next round.
  ++vars.CurrentRound;
  windows_.SetRoundValue(std::to_string(vars.CurrentRound));
  if (vars.SeqLastIndex >= constants.MaxSeqIndex) {
    ShowWin();
    return;
  }
  ++vars.SeqLastIndex;
  StartRound();
}

void Game::ShowGameOver() {
  gameRunning_ = false;
  windows_.ShowNotice(Notice::GameOver);
}

void Game::ShowWin() {
  gameRunning_ = false;
  windows_.ShowNotice(Notice::Win);
}

}  // namespace zarlin
