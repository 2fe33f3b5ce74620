// The real-clock implementation of the game's timer abstraction: precise QTimers.
#pragma once

#include <QTimer>

#include "engine/timer.h"

namespace zarlin {

class QtTimerFactory : public TimerFactory {
 public:
  std::unique_ptr<Timer> MakeTimer(std::function<void()> onTick) override;
};

class QtTimer : public Timer {
 public:
  explicit QtTimer(std::function<void()> onTick);

  void SetInterval(std::int32_t milliseconds) override;
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  bool Enabled() const override { return enabled_; }

 private:
  void Restart();

  QTimer timer_;
  std::int32_t interval_ = 0;
  bool enabled_ = false;
};

}  // namespace zarlin
