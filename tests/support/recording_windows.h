// A fake of the game's windows that records, in order, what the game did to them.
#pragma once

#include <string>
#include <vector>

#include "engine/game_windows.h"
#include "engine/virtual_clock.h"

namespace zarlin::testing {

class RecordingWindows : public GameWindows {
 public:
  struct Flash {
    ColourNumber colour;
    std::int32_t milliseconds;
    std::int64_t at;  // virtual time of the flash
  };

  explicit RecordingWindows(const VirtualClock& clock) : clock_(clock) {}

  void ArrangeButtons(std::int16_t colourCount) override {
    calls.push_back("arrange " + std::to_string(colourCount));
  }
  void FlashButton(ColourNumber colour, std::int32_t milliseconds) override {
    calls.push_back("flash " + std::to_string(colour));
    flashes.push_back({colour, milliseconds, clock_.Now()});
  }
  void SetRoundValue(const std::string& caption) override {
    roundValue = caption;
    calls.push_back("round " + caption);
  }
  void SetScoreValue(const std::string& caption) override {
    scoreValue = caption;
    calls.push_back("score " + caption);
  }
  void ShowNotice(Notice notice) override { calls.push_back("show " + Name(notice)); }
  void HideNotice(Notice notice) override { calls.push_back("hide " + Name(notice)); }

  static std::string Name(Notice notice) { return notice == Notice::GameOver ? "GameOver" : "Win"; }

  std::vector<std::string> calls;
  std::vector<Flash> flashes;
  std::string roundValue = "1";
  std::string scoreValue = "0";

 private:
  const VirtualClock& clock_;
};

}  // namespace zarlin::testing
