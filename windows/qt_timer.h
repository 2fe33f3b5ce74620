// The real-clock implementation of the game's timer abstraction, on precise QTimers.
#pragma once

#include <QTimer>
#include <chrono>

#include "engine/timer.h"

namespace zarlin {

class QtTimerFactory : public TimerFactory {
 public:
  std::unique_ptr<Timer> MakeTimer(std::function<void()> onTick) override;
};

// Ticks are kept on a schedule counted from the moment the timer was started, tick k due k
// intervals later, so they do not drift however long a playback runs.
class QtTimer : public Timer {
 public:
  explicit QtTimer(std::function<void()> onTick);

  void SetInterval(std::int32_t milliseconds) override;
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  bool Enabled() const override { return enabled_; }

 private:
  using Clock = std::chrono::steady_clock;

  void Restart();
  void Arm();
  void Wake();

  std::function<void()> onTick_;
  QTimer wake_;
  std::int32_t interval_ = 0;
  bool enabled_ = false;
  Clock::time_point due_;
};

}  // namespace zarlin
