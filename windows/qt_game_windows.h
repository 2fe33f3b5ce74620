// The windows the game acts on: the main window's counters, the six colour buttons and the two
// end-of-game notices. Each button and notice comes back from its design after the player
// closes it. What they show is also heard: each flash sounds its colour's tone, each notice its
// tune, while the sound is on.
#pragma once

#include <array>
#include <memory>

#include "colour_keys.h"
#include "colour_window.h"
#include "sound/sound.h"
#include "engine/game_windows.h"
#include "notice_window.h"
#include "window_parts/window_slot.h"

class QLabel;

namespace zarlin {

class QtGameWindows : public GameWindows {
 public:
  QtGameWindows(QLabel& lblRoundValue, QLabel& lblScoreValue, TimerFactory& timers, Sound& sound);
  ~QtGameWindows() override;

  // Start-up: the six colour windows in the order Black to White, hidden; they judge with game.
  void CreateColourWindows(Game& game);
  // Start-up: GameOver, then Win, each hidden at once.
  void CreateNotices();

  // A View colour command: shows that one window whatever takes part in the game.
  void ShowColourWindow(ColourNumber colour);
  // A colour key: a click on that colour's face, where the window is on the screen.
  void PressColourKey(ColourNumber colour);
  // Lets the colour keys press the buttons while this window is active too.
  void AnswerColourKeys(QWidget& window) { colourKeys_.Watch(window); }

  // Game > Sound: off, nothing sounds, and what sounds stops.
  void SetSoundOn(bool on);

  WindowSlot<ColourWindow>& ColourSlot(ColourNumber colour);
  WindowSlot<NoticeWindow>& NoticeSlot(Notice notice);

  void ArrangeButtons(std::int16_t colourCount) override;
  void FlashButton(ColourNumber colour, std::int32_t milliseconds) override;
  void SetRoundValue(const std::string& caption) override;
  void SetScoreValue(const std::string& caption) override;
  void ShowNotice(Notice notice) override;
  void HideNotice(Notice notice) override;

 private:
  QLabel& lblRoundValue_;
  QLabel& lblScoreValue_;
  TimerFactory& timers_;
  Sound& sound_;
  bool soundOn_ = true;
  Game* game_ = nullptr;
  std::array<std::unique_ptr<WindowSlot<ColourWindow>>, 6> colourWindows_;
  WindowSlot<NoticeWindow> gameOver_;
  WindowSlot<NoticeWindow> win_;
  ColourKeys colourKeys_{[this](ColourNumber colour) { PressColourKey(colour); }};
};

}  // namespace zarlin
