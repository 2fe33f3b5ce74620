// The rules of the game written down a second time, plainly and apart from the engine, as the
// oracle the game scripts are checked against: given the same events, it says which window
// operations the game must make, in order, at which moment, and what the counters, the playback
// timer, the sequence and the settings must then hold.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/options_form.h"
#include "engine/random_source.h"

namespace zarlin::fuzz {

class RulesModel {
 public:
  // The random source must be built like the game's, so that the same draws come out of both.
  explicit RulesModel(RandomSource& random) : random_(random) {}

  void NewGame();
  // A click on a colour face; lost while that face is dark.
  void Click(int colour);
  void Wait(std::int64_t milliseconds);
  // OK in the options dialog; false when the dialog refuses the form and stores nothing.
  bool Options(const OptionsForm& form);
  // The player closes a colour window, and with it its blink timer.
  void Close(int colour);

  // The window operations since the last call, as "arrange 6", "flash 3 at 400 for 200 ms", "round 2",
  // "score 1", "show GameOver", "hide Win".
  std::vector<std::string> TakeOperations();

  struct State {
    int score = 0, round = 1, seqLastIndex = 0, inputIndex = 0, playIndex = 0;
    bool playing = false;    // the playback timer is enabled
    int interval = 0;        // and its interval
    int colourCount = 6;
    bool sequential = true;
    double startLastIndex = 0;
    std::optional<std::string> delayText;  // none until OK stores a typed delay
    std::array<int, 128> sequence{};
  };
  const State& state() const { return s_; }

 private:
  struct Countdown {
    bool enabled = false;
    std::int64_t due = 0;
    std::uint64_t arming = 0;  // of two countdowns due together, the one armed first fires first
  };

  void StartRound();
  void Generate();
  void Flash(int colour);
  void Arm(Countdown& countdown, std::int64_t after);
  void Say(std::string operation) { operations_.push_back(std::move(operation)); }

  RandomSource& random_;
  State s_;
  int delayInterval_ = 400;  // the start-up delay of 200 ms, plus the 200 ms of a flash
  bool running_ = false;     // from New Game to its game over or win: only then are clicks judged
  std::int64_t now_ = 0;
  std::uint64_t armings_ = 0;
  Countdown playback_;
  std::array<Countdown, 7> blink_;  // by colour number; a dark face is one whose blink runs
  std::vector<std::string> operations_;
};

}  // namespace zarlin::fuzz
