// The system clock, read for the random source.
#include "system_clock.h"

#include <chrono>

namespace zarlin {

std::uint64_t SystemClockReading() {
  return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                        std::chrono::system_clock::now().time_since_epoch())
                                        .count());
}

}  // namespace zarlin
