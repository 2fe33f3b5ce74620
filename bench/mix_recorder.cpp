// Recording the mix with libpulse's simple interface, and finding tones in it by correlation.
#include "mix_recorder.h"

#include <pulse/simple.h>

#include <cmath>

namespace zarlin::bench {

namespace {

constexpr int Rate = 48000;
// 100 ms a read, twice the game's latency: a recorder that asks for less holds the sink at its
// own latency, whatever the game asks, and the onsets would be those of that sink.
constexpr std::size_t Chunk = Rate / 10;

double Seconds(MixRecorder::Clock::time_point t) {
  return std::chrono::duration<double>(t.time_since_epoch()).count();
}

}  // namespace

bool MixRecorder::Start(const char* monitor) {
  const pa_sample_spec format = {PA_SAMPLE_S16LE, Rate, 1};
  const auto fragment = static_cast<std::uint32_t>(Chunk * sizeof(std::int16_t));
  const pa_buffer_attr buffer = {static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                                 static_cast<std::uint32_t>(-1), static_cast<std::uint32_t>(-1),
                                 fragment};
  int error = 0;
  stream_ = pa_simple_new(nullptr, "Zarlin bench", PA_STREAM_RECORD, monitor, "mix", &format,
                          nullptr, &buffer, &error);
  if (stream_ == nullptr) return false;
  thread_ = std::thread([this] { Record(); });
  return true;
}

void MixRecorder::Record() {
  std::vector<std::int16_t> chunk(Chunk);
  while (!stop_) {
    int error = 0;
    if (pa_simple_read(static_cast<pa_simple*>(stream_), chunk.data(), chunk.size() * sizeof(std::int16_t), &error) < 0) break;
    const double now = Seconds(Clock::now());
    std::lock_guard lock(mutex_);
    samples_.insert(samples_.end(), chunk.begin(), chunk.end());
    zero_ = std::min(zero_, now - double(samples_.size()) / Rate);
    ++chunks_;
  }
}

void MixRecorder::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (stream_ != nullptr) pa_simple_free(static_cast<pa_simple*>(stream_));
  stream_ = nullptr;
}

MixRecorder::Clock::time_point MixRecorder::HeardAt(std::span<const std::int16_t> start,
                                                    Clock::time_point near) {
  std::lock_guard lock(mutex_);
  const double expected = (Seconds(near) - zero_) * Rate;
  const auto from = static_cast<long>(expected - 0.020 * Rate);
  const auto to = static_cast<long>(expected + 0.080 * Rate);
  double best = -1;
  long bestAt = from;
  double own = 0;
  for (std::int16_t s : start) own += double(s) * s;
  for (long at = std::max(0L, from); at < to && at + long(start.size()) <= long(samples_.size()); ++at) {
    double dot = 0, energy = 0;
    for (std::size_t i = 0; i < start.size(); ++i) {
      const double x = samples_[std::size_t(at) + i];
      dot += x * start[i];
      energy += x * x;
    }
    const double match = energy > 0 ? dot / std::sqrt(energy * own) : 0;
    if (match > best) {
      best = match;
      bestAt = at;
    }
  }
  const double heard = zero_ + double(bestAt) / Rate;
  return Clock::time_point(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(heard)));
}

}  // namespace zarlin::bench
