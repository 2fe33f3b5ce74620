// Records the sound server's mix (the null sink's monitor) on libpulse's thread, and finds when
// given tones started in it, on the steady clock the game's flashes are timed on.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace zarlin::bench {

class MixRecorder {
 public:
  using Clock = std::chrono::steady_clock;

  MixRecorder() = default;
  MixRecorder(const MixRecorder&) = delete;
  MixRecorder& operator=(const MixRecorder&) = delete;
  ~MixRecorder() { Stop(); }

  // Starts recording the monitor of the named sink; false where no server answers.
  bool Start(const char* monitor);
  // Whether the monitor has sent anything yet: a null sink's may wait a while at first.
  bool Hearing();
  // Whether a span the sink renders again after a rewind never reaches the recording: so with
  // PulseAudio's null sink, which hands what it renders to its monitor at once. PipeWire's
  // server never renders again.
  bool MissesRewinds() const { return missesRewinds_; }
  void Stop();

  // When the first of these samples was heard, looked for from a little before the moment
  // given to a little after.
  Clock::time_point HeardAt(std::span<const std::int16_t> start, Clock::time_point near);

 private:
  static void Read(pa_stream* stream, std::size_t bytes, void* self);
  static void Timed(pa_stream* stream, int success, void* self);

  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  bool missesRewinds_ = true;
  std::mutex mutex_;
  std::vector<std::int16_t> samples_;
  // At each read, by the stream's own timing: the index of a sample, and the second the card
  // plays it at.
  struct Told {
    double index;
    double second;
  };
  std::vector<Told> told_;
  const Told& After(double second) const;
};

}  // namespace zarlin::bench
