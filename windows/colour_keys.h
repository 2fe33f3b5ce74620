// Playing without a mouse: the keys 1 to 6, on the top row or the keypad, press the colour
// buttons of those numbers, White to Black, in the main window and in every colour window.
#pragma once

#include <QObject>
#include <functional>

#include "engine/colour.h"

class QKeyEvent;

namespace zarlin {

// The colour a key stands for, or NoColour; a digit with Ctrl, Alt or Meta stands for none.
ColourNumber ColourOfKey(const QKeyEvent& event);

// Answers the colour keys in the windows it watches; other keys go on as before.
class ColourKeys : public QObject {
 public:
  explicit ColourKeys(std::function<void(ColourNumber)> press) : press_(std::move(press)) {}
  void Watch(QObject& window) { window.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(ColourNumber)> press_;
};

}  // namespace zarlin
