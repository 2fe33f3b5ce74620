// The one timer abstraction of the game: the playback timer and the six blink timers all go
// through it. The windows supply a real-clock implementation, tests a virtual-time one.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace zarlin {

// A timer ticks every Interval() milliseconds while it is enabled; an interval of 0 never ticks.
class Timer {
 public:
  virtual ~Timer() = default;
  // Setting the interval of an enabled timer starts its countdown afresh.
  virtual void SetInterval(std::int32_t milliseconds) = 0;
  // Enabling a timer that is already enabled leaves its countdown alone.
  virtual void SetEnabled(bool enabled) = 0;
  virtual std::int32_t Interval() const = 0;
  virtual bool Enabled() const = 0;
};

class TimerFactory {
 public:
  virtual ~TimerFactory() = default;
  // A new timer, disabled with interval 0, that calls onTick on each tick.
  virtual std::unique_ptr<Timer> MakeTimer(std::function<void()> onTick) = 0;
};

}  // namespace zarlin
