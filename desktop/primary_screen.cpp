// Reading the primary screen, which a desktop may not have.
#include "primary_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace zarlin {

QPoint PrimaryScreenOrigin() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->geometry().topLeft() : QPoint(0, 0);
}

QRect PrimaryScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

}  // namespace zarlin
