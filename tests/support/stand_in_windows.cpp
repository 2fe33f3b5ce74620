// The stand-in windows: the record of operations and the colour buttons' faces.
#include "stand_in_windows.h"

namespace zarlin::testing {

StandInWindows::StandInWindows(VirtualClock& clock) : clock_(clock) {}

StandInWindows::~StandInWindows() = default;

void StandInWindows::ArrangeButtons(std::int16_t colourCount) {
  calls.push_back("arrange " + std::to_string(colourCount));
}

void StandInWindows::FlashButton(ColourNumber colour, std::int32_t milliseconds) {
  calls.push_back("flash " + std::to_string(colour) + " at " + std::to_string(clock_.Now()) +
                  " for " + std::to_string(milliseconds) + " ms");
  flashes.push_back({colour, milliseconds, clock_.Now()});
  Button& button = Get(colour);
  button.dark = true;
  button.blink->SetInterval(milliseconds);
  button.blink->SetEnabled(true);
}

void StandInWindows::SetRoundValue(const std::string& caption) {
  roundValue = caption;
  calls.push_back("round " + caption);
}

void StandInWindows::SetScoreValue(const std::string& caption) {
  scoreValue = caption;
  calls.push_back("score " + caption);
}

void StandInWindows::ShowNotice(Notice notice) {
  ++(notice == Notice::Win ? wins : gameOvers);
  calls.push_back("show " + Name(notice));
}

void StandInWindows::HideNotice(Notice notice) { calls.push_back("hide " + Name(notice)); }

bool StandInWindows::IsDark(ColourNumber colour) { return Get(colour).dark; }

void StandInWindows::Close(ColourNumber colour) {
  buttons_[ColourIndex(colour)].reset();
}

std::string StandInWindows::Name(Notice notice) {
  return notice == Notice::GameOver ? "GameOver" : "Win";
}

StandInWindows::Button& StandInWindows::Get(ColourNumber colour) {
  auto& button = buttons_[ColourIndex(colour)];
  if (!button) {
    button = std::make_unique<Button>();
    Button* made = button.get();
    button->blink = clock_.MakeTimer([made] {
      made->dark = false;
      made->blink->SetEnabled(false);
    });
  }
  return *button;
}

}  // namespace zarlin::testing
