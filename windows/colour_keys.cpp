// Reading the colour keys.
#include "colour_keys.h"

#include <QKeyEvent>

namespace zarlin {

ColourNumber ColourOfKey(const QKeyEvent& event) {
  constexpr Qt::KeyboardModifiers Taken = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
  if (event.modifiers() & Taken) return NoColour;
  const int digit = event.key() - Qt::Key_0;
  return IsColour(digit) ? static_cast<ColourNumber>(digit) : NoColour;
}

bool ColourKeys::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(*event);
  const ColourNumber colour = ColourOfKey(key);
  if (colour == NoColour) return false;
  // A held key presses once: its repeats are taken and do nothing.
  if (!key.isAutoRepeat()) press_(colour);
  return true;
}

}  // namespace zarlin
