// One colour button: a small tool window showing a square of its colour, which a flash turns
// dark grey until the window's blink timer brings the colour back. A click on the colour is
// echoed by a flash and handed to the game for judging.
#pragma once

#include <QWidget>
#include <memory>

#include "colour_family.h"
#include "engine/game.h"
#include "engine/timer.h"

class QLabel;

namespace zarlin {

class PictureBox;

class ColourWindow : public QWidget {
  Q_OBJECT

 public:
  ColourWindow(const ColourDesign& design, Game& game, TimerFactory& timers);
  ~ColourWindow() override;

  // The window's part of FlashColour: dark face in place of the colour face, blink timer armed.
  void Flash(std::int32_t milliseconds);
  bool IsDark() const;
  // What a click on the face does at this moment: flashed and judged, or nothing while dark.
  void PressFace();

 private:
  void picColour_Click();
  void tmrBlink_Timer();

  ColourNumber number_;
  Game& game_;
  PictureBox* picColour_;
  QLabel* picDarkGrey_;
  std::unique_ptr<Timer> tmrBlink_;
};

}  // namespace zarlin
