// The real-clock implementation of the game's timer abstraction.
#pragma once

#include <chrono>
#include <memory>

#include "engine/timer.h"

namespace zarlin {

class QtTimerFactory : public TimerFactory {
 public:
  QtTimerFactory();
  std::unique_ptr<Timer> MakeTimer(std::function<void()> onTick) override;
};

// Ticks are kept on a schedule counted from the moment the timer was started, tick k due k
// intervals later, so they do not drift however long a playback runs. On Linux the kernel wakes
// the event loop at the due moment itself; elsewhere, where the kernel gives no timer, or built
// with ZARLIN_SPIN_TIMER, a precise QTimer wakes it a millisecond early and the timer waits out
// the rest on the clock.
// Wakes the event loop at a given moment, once.
class Wakeup {
 public:
  virtual ~Wakeup() = default;
  virtual void At(std::chrono::steady_clock::time_point due) = 0;
  virtual void Cancel() = 0;
};

class QtTimer : public Timer {
 public:
  explicit QtTimer(std::function<void()> onTick);
  ~QtTimer() override;

  void SetInterval(std::int32_t milliseconds) override;
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  bool Enabled() const override { return enabled_; }

 private:
  using Clock = std::chrono::steady_clock;

  void Restart();
  void Wake();

  std::function<void()> onTick_;
  std::unique_ptr<Wakeup> wakeup_;
  std::int32_t interval_ = 0;
  bool enabled_ = false;
  Clock::time_point due_;
};

}  // namespace zarlin
