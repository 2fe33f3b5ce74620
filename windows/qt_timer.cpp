// Precise QTimers behind the game's timer abstraction.
#include "qt_timer.h"

#include <utility>

namespace zarlin {

std::unique_ptr<Timer> QtTimerFactory::MakeTimer(std::function<void()> onTick) {
  return std::make_unique<QtTimer>(std::move(onTick));
}

QtTimer::QtTimer(std::function<void()> onTick) {
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, std::move(onTick));
}

void QtTimer::SetInterval(std::int32_t milliseconds) {
  interval_ = milliseconds;
  if (enabled_) Restart();
}

void QtTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void QtTimer::Restart() {
  if (enabled_ && interval_ > 0) {
    timer_.start(interval_);
  } else {
    timer_.stop();
  }
}

}  // namespace zarlin
