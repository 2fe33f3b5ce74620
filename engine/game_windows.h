// What the game needs of its windows. The engine owns no window: it acts on them through this
// interface, which the real windows implement and tests replace with a recording fake.
#pragma once

#include <cstdint>
#include <string>

#include "colour.h"

namespace zarlin {

enum class Notice { GameOver, Win };

class GameWindows {
 public:
  virtual ~GameWindows() = default;
  // Hides all six colour windows, then shows those of colours 1 to colourCount.
  virtual void ArrangeButtons(std::int16_t colourCount) = 0;
  // Turns one colour's button dark grey and arms its blink timer, which brings the colour back
  // after the given milliseconds.
  virtual void FlashButton(ColourNumber colour, std::int32_t milliseconds) = 0;
  virtual void SetRoundValue(const std::string& caption) = 0;
  virtual void SetScoreValue(const std::string& caption) = 0;
  virtual void ShowNotice(Notice notice) = 0;
  virtual void HideNotice(Notice notice) = 0;
};

}  // namespace zarlin
