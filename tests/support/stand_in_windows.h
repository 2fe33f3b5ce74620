// The one stand-in for the game's windows, shared by the engine tests, the fuzzer and the
// benchmarks. It writes down every operation the game makes on its windows, in order, and plays
// the colour buttons' part on the virtual clock: a flash darkens a face until its blink timer
// brings the colour back, and a window the player closes takes its blink timer with it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/game_windows.h"
#include "engine/timer.h"
#include "tests/support/virtual_clock.h"

namespace zarlin::testing {

class StandInWindows : public GameWindows {
 public:
  struct Flash {
    ColourNumber colour;
    std::int32_t milliseconds;
    std::int64_t at;  // virtual time of the flash
  };

  explicit StandInWindows(VirtualClock& clock);
  ~StandInWindows() override;

  void ArrangeButtons(std::int16_t colourCount) override;
  void FlashButton(ColourNumber colour, std::int32_t milliseconds) override;
  void SetRoundValue(const std::string& caption) override;
  void SetScoreValue(const std::string& caption) override;
  void ShowNotice(Notice notice) override;
  void HideNotice(Notice notice) override;

  // Whether the colour's face is dark grey, so that a click on it would be lost.
  bool IsDark(ColourNumber colour);
  // The player closes the colour's window; the next operation on it makes it afresh.
  void Close(ColourNumber colour);

  static std::string Name(Notice notice);

  // "arrange 6", "flash 3 at 400 for 200 ms", "round 2", "score 1", "show GameOver", "hide Win".
  std::vector<std::string> calls;
  std::vector<Flash> flashes;
  std::string roundValue = "1";
  std::string scoreValue = "0";
  int wins = 0;
  int gameOvers = 0;

 private:
  struct Button {
    bool dark = false;
    std::unique_ptr<Timer> blink;
  };
  Button& Get(ColourNumber colour);

  VirtualClock& clock_;
  std::array<std::unique_ptr<Button>, 6> buttons_;
};

}  // namespace zarlin::testing
