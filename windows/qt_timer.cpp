// Precise QTimers behind the game's timer abstraction.
#include "qt_timer.h"

#include <utility>

namespace zarlin {

namespace {

using std::chrono::milliseconds;

// Qt wakes timers on whole milliseconds and up to one late. The timer asks to be woken this
// much early and waits out the rest of the way to the exact moment itself.
constexpr milliseconds EarlyWake{1};

}  // namespace

std::unique_ptr<Timer> QtTimerFactory::MakeTimer(std::function<void()> onTick) {
  return std::make_unique<QtTimer>(std::move(onTick));
}

QtTimer::QtTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {
  wake_.setTimerType(Qt::PreciseTimer);
  wake_.setSingleShot(true);
  QObject::connect(&wake_, &QTimer::timeout, [this] { Wake(); });
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
    due_ = Clock::now() + milliseconds(interval_);
    Arm();
  } else {
    wake_.stop();
  }
}

void QtTimer::Arm() {
  const auto left = std::chrono::floor<milliseconds>(due_ - Clock::now()) - EarlyWake;
  wake_.start(std::max(left, milliseconds(0)));
}

void QtTimer::Wake() {
  const auto now = Clock::now();
  if (due_ - now > 2 * EarlyWake) {  // woken far too early: sleep again
    Arm();
    return;
  }
  while (Clock::now() < due_) {
  }
  // A timer that fell a whole interval behind (a suspended machine) starts its schedule anew.
  due_ += milliseconds(interval_);
  if (due_ <= now) due_ = now + milliseconds(interval_);
  Arm();  // before the tick, which may change or stop the timer
  auto onTick = onTick_;  // a copy: the tick may destroy this timer
  onTick();
}

}  // namespace zarlin
