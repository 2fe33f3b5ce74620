// The reading of the system clock that the game's random source mixes into its state, so that
// every run draws other sequences.
#pragma once

#include <cstdint>

namespace zarlin {

// Nanoseconds since the epoch, as the system clock tells them.
std::uint64_t SystemClockReading();

}  // namespace zarlin
