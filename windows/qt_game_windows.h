// The windows the game acts on: the main window's counters, the colour buttons and the notices.
#pragma once

#include "engine/game_windows.h"

class QLabel;

namespace zarlin {

class QtGameWindows : public GameWindows {
 public:
  QtGameWindows(QLabel& lblRoundValue, QLabel& lblScoreValue);

  void ArrangeButtons(std::int16_t colourCount) override;
  void FlashButton(ColourNumber colour, std::int32_t milliseconds) override;
  void SetRoundValue(const std::string& caption) override;
  void SetScoreValue(const std::string& caption) override;
  void ShowNotice(Notice notice) override;
  void HideNotice(Notice notice) override;

 private:
  QLabel& lblRoundValue_;
  QLabel& lblScoreValue_;
};

}  // namespace zarlin
