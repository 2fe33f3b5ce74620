// A splitmix64 generator whose re-seeding folds the clock into the running state.
#include "random_source.h"

#include <utility>

namespace zarlin {

namespace {

constexpr std::uint64_t GoldenGamma = 0x9E3779B97F4A7C15ULL;

std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

}  // namespace

RandomSource::RandomSource(Clock clock, std::uint64_t state)
    : clock_(std::move(clock)), state_(state) {}

void RandomSource::Reseed() { state_ = Mix(state_ ^ Mix(clock_() + GoldenGamma)); }

float RandomSource::Next() {
  state_ += GoldenGamma;
  // The top 24 bits fill a float's mantissa exactly: k / 2^24 for k in 0 to 2^24 - 1.
  const auto top = static_cast<std::uint32_t>(Mix(state_) >> 40);
  return static_cast<float>(top) * 0x1.0p-24f;
}

}  // namespace zarlin
