// Virtual-time timers for tests, the fuzzer and the benchmarks.
#include "virtual_clock.h"

#include <limits>
#include <utility>

namespace zarlin {

class VirtualClock::VirtualTimer : public Timer {
 public:
  VirtualTimer(VirtualClock& clock, std::uint64_t id, std::function<void()> onTick)
      : clock_(&clock), id_(id), onTick_(std::move(onTick)) {}
  ~VirtualTimer() override {
    if (clock_ != nullptr) clock_->timers_.erase(id_);
  }

  void SetInterval(std::int32_t milliseconds) override {
    interval_ = milliseconds;
    if (enabled_) Arm();
  }
  void SetEnabled(bool enabled) override {
    if (enabled && !enabled_) {
      enabled_ = true;
      Arm();
    }
    enabled_ = enabled;
  }
  std::int32_t Interval() const override { return interval_; }
  bool Enabled() const override { return enabled_; }

  bool Running() const { return enabled_ && interval_ > 0; }
  std::int64_t due() const { return due_; }
  std::uint64_t arming() const { return arming_; }

  // Called by the clock when this timer's tick is due; the timer may be destroyed by its tick.
  void Tick() {
    due_ += interval_;
    arming_ = clock_->nextArming_++;
    auto onTick = onTick_;
    onTick();
  }
  void Detach() { clock_ = nullptr; }

 private:
  void Arm() {
    due_ = clock_->now_ + interval_;
    arming_ = clock_->nextArming_++;
  }

  VirtualClock* clock_;
  std::uint64_t id_;
  std::function<void()> onTick_;
  std::int32_t interval_ = 0;
  bool enabled_ = false;
  std::int64_t due_ = 0;
  std::uint64_t arming_ = 0;
};

VirtualClock::~VirtualClock() {
  for (auto& [id, timer] : timers_) timer->Detach();
}

std::unique_ptr<Timer> VirtualClock::MakeTimer(std::function<void()> onTick) {
  const auto id = nextId_++;
  auto timer = std::make_unique<VirtualTimer>(*this, id, std::move(onTick));
  timers_[id] = timer.get();
  return timer;
}

void VirtualClock::Advance(std::int64_t milliseconds) {
  const std::int64_t until = now_ + milliseconds;
  for (;;) {
    VirtualTimer* next = nullptr;
    for (auto& [id, timer] : timers_) {
      if (!timer->Running() || timer->due() > until) continue;
      if (next == nullptr || timer->due() < next->due() ||
          (timer->due() == next->due() && timer->arming() < next->arming())) {
        next = timer;
      }
    }
    if (next == nullptr) break;
    now_ = next->due();
    next->Tick();
  }
  now_ = until;
}

int VirtualClock::RunningTimers() const {
  int running = 0;
  for (const auto& [id, timer] : timers_) running += timer->Running() ? 1 : 0;
  return running;
}

}  // namespace zarlin
