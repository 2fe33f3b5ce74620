// Records the sound server's mix (the null sink's monitor) on a thread of its own, and finds
// when given tones started in it, on the steady clock the game's flashes are timed on.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace zarlin::bench {

class MixRecorder {
 public:
  using Clock = std::chrono::steady_clock;

  // Starts recording the monitor of the named sink; false where no server answers.
  bool Start(const char* monitor);
  // Whether the monitor has sent anything yet: a null sink's may wait a while at first.
  bool Hearing() const { return chunks_ > 0; }
  void Stop();

  // When a tone whose first samples are these began, looked for from a little before the
  // moment given to a little after.
  Clock::time_point HeardAt(std::span<const std::int16_t> start, Clock::time_point near);

 private:
  void Record();
  double SecondsOfSample(std::size_t index) const;

  void* stream_ = nullptr;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<int> chunks_{0};
  std::mutex mutex_;
  std::vector<std::int16_t> samples_;
  // The earliest each read could have been captured, the least delayed read telling the truth:
  // the time of sample 0.
  double zero_ = 1e300;
};

}  // namespace zarlin::bench
