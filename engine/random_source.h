// The game's pseudo-random source: uniform draws in [0, 1), re-seeded from a clock reading that
// is mixed into the generator's state, so that re-seeding twice with the same reading still
// gives two different draws.
#pragma once

#include <cstdint>
#include <functional>

namespace zarlin {

class RandomSource {
 public:
  // Reads the system clock (or, in a test, whatever the test likes).
  using Clock = std::function<std::uint64_t()>;

  explicit RandomSource(Clock clock, std::uint64_t state = 0);

  // Mixes a fresh clock reading into the state.
  void Reseed();
  // The next number, uniform in [0, 1); the largest it gives is the largest float below 1.
  float Next();

 private:
  Clock clock_;
  std::uint64_t state_;
};

}  // namespace zarlin
