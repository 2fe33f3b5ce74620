// The windows the game acts on: the main window's counters, the six colour buttons and the two
// end-of-game notices. Each button and notice comes back from its design after the player
// closes it.
#pragma once

#include <array>
#include <memory>

#include "colour_keys.h"
#include "colour_window.h"
#include "engine/game_windows.h"
#include "notice_window.h"
#include "window_parts/window_slot.h"

class QLabel;

namespace zarlin {

class QtGameWindows : public GameWindows {
 public:
  QtGameWindows(QLabel& lblRoundValue, QLabel& lblScoreValue, TimerFactory& timers);
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
  Game* game_ = nullptr;
  std::array<std::unique_ptr<WindowSlot<ColourWindow>>, 6> colourWindows_;
  WindowSlot<NoticeWindow> gameOver_;
  WindowSlot<NoticeWindow> win_;
  ColourKeys colourKeys_{[this](ColourNumber colour) { PressColourKey(colour); }};
};

}  // namespace zarlin
