// Timers in virtual time: nothing ticks until a test advances the clock, and then the due ticks
// fire in time order, one at a time, exactly as the event loop would deliver them.
#pragma once

#include <cstdint>
#include <map>

#include "engine/timer.h"

namespace zarlin {

class VirtualClock : public TimerFactory {
 public:
  VirtualClock() = default;
  VirtualClock(const VirtualClock&) = delete;
  VirtualClock& operator=(const VirtualClock&) = delete;
  ~VirtualClock() override;

  std::unique_ptr<Timer> MakeTimer(std::function<void()> onTick) override;

  // Moves the clock on by the given milliseconds, firing every tick that falls due meanwhile.
  void Advance(std::int64_t milliseconds);
  std::int64_t Now() const { return now_; }
  // How many timers are enabled with an interval that ticks.
  int RunningTimers() const;

 private:
  class VirtualTimer;
  friend class VirtualTimer;

  std::int64_t now_ = 0;
  std::uint64_t nextId_ = 0;
  std::uint64_t nextArming_ = 0;  // breaks ties between ticks due at the same moment
  std::map<std::uint64_t, VirtualTimer*> timers_;
};

}  // namespace zarlin
