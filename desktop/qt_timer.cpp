// The game's timers on the event loop, woken at the exact moment each tick is due.
#include "qt_timer.h"

#include <QTimer>
#include <algorithm>
#include <utility>

#ifdef ZARLIN_KERNEL_TIMER
#include <sys/prctl.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QSocketNotifier>
#endif

namespace zarlin {

namespace {

using Clock = std::chrono::steady_clock;

// Qt wakes timers on whole milliseconds and up to one late: this asks to be woken a millisecond
// early and waits out the rest on the clock.
class SpinningWakeup : public Wakeup {
 public:
  explicit SpinningWakeup(std::function<void()> onDue) : onDue_(std::move(onDue)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Woken(); });
  }

  void At(Clock::time_point due) override {
    due_ = due;
    Arm();
  }
  void Cancel() override { timer_.stop(); }

 private:
  using milliseconds = std::chrono::milliseconds;
  static constexpr milliseconds EarlyWake{1};

  void Arm() {
    const auto left = std::chrono::floor<milliseconds>(due_ - Clock::now()) - EarlyWake;
    timer_.start(std::max(left, milliseconds(0)));
  }
  void Woken() {
    if (due_ - Clock::now() > 2 * EarlyWake) {  // woken far too early: sleep again
      Arm();
      return;
    }
    while (Clock::now() < due_) {
    }
    onDue_();
  }

  std::function<void()> onDue_;
  QTimer timer_;
  Clock::time_point due_;
};

#ifdef ZARLIN_KERNEL_TIMER

// An absolute CLOCK_MONOTONIC deadline on a timerfd, which the event loop watches: the kernel
// wakes the loop at that moment, to the microsecond, and nothing spins. steady_clock is
// CLOCK_MONOTONIC on Linux.
class KernelWakeup : public Wakeup {
 public:
  KernelWakeup(int fd, std::function<void()> onDue)
      : fd_(fd), notifier_(std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read)) {
    // A wake that the loop had already taken up when the timer was re-armed or stopped finds
    // nothing to read, and is no tick.
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this, onDue = std::move(onDue)] {
      std::uint64_t expirations = 0;
      if (read(fd_, &expirations, sizeof expirations) == sizeof expirations) onDue();
    });
  }
  ~KernelWakeup() override {
    notifier_.reset();
    close(fd_);
  }

  void At(Clock::time_point due) override { Set(TFD_TIMER_ABSTIME, due.time_since_epoch()); }
  void Cancel() override { Set(0, Clock::duration::zero()); }

 private:
  void Set(int flags, Clock::duration at) {
    const auto seconds = std::chrono::floor<std::chrono::seconds>(at);
    itimerspec deadline{};
    deadline.it_value.tv_sec = static_cast<time_t>(seconds.count());
    deadline.it_value.tv_nsec = static_cast<long>(std::chrono::nanoseconds(at - seconds).count());
    timerfd_settime(fd_, flags, &deadline, nullptr);
  }

  int fd_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

#endif

// The kernel's timer where there is one to be had (a process out of file descriptors gets
// none), else the spinning one.
std::unique_ptr<Wakeup> MakeWakeup(std::function<void()> onDue) {
#ifdef ZARLIN_KERNEL_TIMER
  const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd >= 0) return std::make_unique<KernelWakeup>(fd, std::move(onDue));
#endif
  return std::make_unique<SpinningWakeup>(std::move(onDue));
}

}  // namespace

QtTimerFactory::QtTimerFactory() {
#ifdef ZARLIN_KERNEL_TIMER
  // The kernel may otherwise defer this thread's other sleeps by 50 microseconds.
  prctl(PR_SET_TIMERSLACK, 1000UL);
#endif
}

std::unique_ptr<Timer> QtTimerFactory::MakeTimer(std::function<void()> onTick) {
  return std::make_unique<QtTimer>(std::move(onTick));
}

QtTimer::QtTimer(std::function<void()> onTick)
    : onTick_(std::move(onTick)), wakeup_(MakeWakeup([this] { Wake(); })) {}

QtTimer::~QtTimer() = default;

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
    due_ = Clock::now() + std::chrono::milliseconds(interval_);
    wakeup_->At(due_);
  } else {
    wakeup_->Cancel();
  }
}

void QtTimer::Wake() {
  if (!enabled_ || interval_ <= 0) return;
  const auto now = Clock::now();
  // A timer that fell a whole interval behind (a suspended machine or process) starts its
  // schedule anew rather than catching up in a burst.
  due_ += std::chrono::milliseconds(interval_);
  if (due_ <= now) due_ = now + std::chrono::milliseconds(interval_);
  wakeup_->At(due_);  // before the tick, which may change or stop the timer
  auto onTick = onTick_;  // a copy: the tick may destroy this timer
  onTick();
}

}  // namespace zarlin
