// The virtual-time timers that every engine and window test runs on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/virtual_clock.h"

namespace zarlin {
namespace {

TEST(VirtualClock, DueTicksFireInTimeOrderOneAtATime) {
  VirtualClock clock;
  std::vector<std::string> ticks;
  auto slow = clock.MakeTimer([&] { ticks.push_back("slow@" + std::to_string(clock.Now())); });
  auto fast = clock.MakeTimer([&] { ticks.push_back("fast@" + std::to_string(clock.Now())); });
  slow->SetInterval(300);
  slow->SetEnabled(true);
  fast->SetInterval(200);
  fast->SetEnabled(true);
  clock.Advance(650);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@200", "slow@300", "fast@400", "slow@600",
                                             "fast@600"}));
  EXPECT_EQ(clock.Now(), 650);
}

TEST(VirtualClock, IntervalZeroNeverTicksAndANewIntervalRestartsTheCountdown) {
  VirtualClock clock;
  int ticks = 0;
  auto timer = clock.MakeTimer([&] { ++ticks; });
  timer->SetEnabled(true);
  clock.Advance(10'000);
  EXPECT_EQ(ticks, 0);
  timer->SetInterval(100);
  clock.Advance(90);
  timer->SetInterval(100);
  timer->SetEnabled(true);  // already enabled: the countdown goes on
  clock.Advance(99);
  EXPECT_EQ(ticks, 0);
  clock.Advance(1);
  EXPECT_EQ(ticks, 1);
}

TEST(VirtualClock, ATimerMayDisableOrDestroyItselfInItsOwnTick) {
  VirtualClock clock;
  int ticks = 0;
  std::unique_ptr<Timer> once;
  once = clock.MakeTimer([&] {
    ++ticks;
    once.reset();
  });
  once->SetInterval(10);
  once->SetEnabled(true);
  clock.Advance(100);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(clock.RunningTimers(), 0);
}

}  // namespace
}  // namespace zarlin
