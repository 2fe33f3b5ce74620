// Recording the mix with libpulse, and finding tones in it by correlation. Each sample is placed
// by the recording stream's own timing, not by when the bench happened to read it: a monitor's
// position runs ahead of the card by the sink's latency, and the server tells it as such.
#include "mix_recorder.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace zarlin::bench {

namespace {

constexpr int Rate = 48000;
// 1024 frames a fragment, PipeWire's default cycle and no less than the game's own latency: a
// recorder that asks for less holds the sink at its own latency, whatever the game asks, and
// one that asks for more slows PipeWire's whole graph whenever the game is quiet.
constexpr std::uint32_t FragmentBytes = 1024 * sizeof(std::int16_t);

double Seconds(MixRecorder::Clock::time_point t) {
  return std::chrono::duration<double>(t.time_since_epoch()).count();
}

}  // namespace

bool MixRecorder::Start(const char* monitor) {
  loop_ = pa_threaded_mainloop_new();
  if (loop_ == nullptr || pa_threaded_mainloop_start(loop_) < 0) return false;
  pa_threaded_mainloop_lock(loop_);
  context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Zarlin bench");
  pa_context_set_state_callback(
      context_, [](pa_context*, void* loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0); },
      loop_);
  bool ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
  while (ready && pa_context_get_state(context_) != PA_CONTEXT_READY) {
    if (!PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) ready = false;
    else pa_threaded_mainloop_wait(loop_);
  }
  if (ready) {
    pa_operation* told = pa_context_get_server_info(
        context_,
        [](pa_context*, const pa_server_info* info, void* self) {
          auto& recorder = *static_cast<MixRecorder*>(self);
          recorder.missesRewinds_ =
              info == nullptr || info->server_name == nullptr || std::strstr(info->server_name, "PipeWire") == nullptr;
          pa_threaded_mainloop_signal(recorder.loop_, 0);
        },
        this);
    while (told != nullptr && pa_operation_get_state(told) == PA_OPERATION_RUNNING) pa_threaded_mainloop_wait(loop_);
    if (told != nullptr) pa_operation_unref(told);
    const pa_sample_spec format = {PA_SAMPLE_S16LE, Rate, 1};
    stream_ = pa_stream_new(context_, "mix", &format, nullptr);
    pa_stream_set_read_callback(stream_, &MixRecorder::Read, this);
    const auto any = static_cast<std::uint32_t>(-1);
    const pa_buffer_attr buffer = {any, any, any, any, FragmentBytes};
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY);
    ready = pa_stream_connect_record(stream_, monitor, &buffer, flags) >= 0;
  }
  pa_threaded_mainloop_unlock(loop_);
  return ready;
}

bool MixRecorder::Hearing() {
  std::lock_guard lock(mutex_);
  return !told_.empty();
}

// On libpulse's thread. A hole in the recording is kept as silence, so that an index stays a
// position in the stream.
void MixRecorder::Read(pa_stream* stream, std::size_t, void* self) {
  auto& recorder = *static_cast<MixRecorder*>(self);
  const void* data = nullptr;
  std::size_t bytes = 0;
  while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0 && bytes > 0) {
    const auto* samples = static_cast<const std::int16_t*>(data);
    const std::size_t count = bytes / sizeof(std::int16_t);
    std::lock_guard lock(recorder.mutex_);
    if (data != nullptr) recorder.samples_.insert(recorder.samples_.end(), samples, samples + count);
    else recorder.samples_.resize(recorder.samples_.size() + count);
    pa_stream_drop(stream);
  }
  // Asked afresh at each read, so that a word follows every stretch recorded.
  pa_operation* asked = pa_stream_update_timing_info(stream, &MixRecorder::Timed, self);
  if (asked != nullptr) pa_operation_unref(asked);
}

// The server's word as it stands, not libpulse's smoothed guess: the last sample it wrote was
// recorded source_usec before it spoke, and, from a monitor, is heard sink_usec after that.
void MixRecorder::Timed(pa_stream* stream, int success, void* self) {
  auto& recorder = *static_cast<MixRecorder*>(self);
  const pa_timing_info* timing = success ? pa_stream_get_timing_info(stream) : nullptr;
  if (timing == nullptr || timing->write_index_corrupt) return;
  const double at = Seconds(Clock::now()) - double(pa_timeval_age(&timing->timestamp)) / PA_USEC_PER_SEC -
                    double(timing->source_usec) / PA_USEC_PER_SEC + double(timing->sink_usec) / PA_USEC_PER_SEC;
  std::lock_guard lock(recorder.mutex_);
  recorder.told_.push_back({double(timing->write_index) / sizeof(std::int16_t), at});
}

void MixRecorder::Stop() {
  if (loop_ == nullptr) return;
  pa_threaded_mainloop_lock(loop_);
  if (stream_ != nullptr) {
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
  }
  if (context_ != nullptr) {
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  pa_threaded_mainloop_unlock(loop_);
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
  loop_ = nullptr;
}

// By the stream's first word after the moment: a monitor sends nothing while its sink sleeps,
// so a word from before a sleep would misplace what was recorded after it.
const MixRecorder::Told& MixRecorder::After(double second) const {
  const auto after = std::find_if(told_.begin(), told_.end(), [&](const Told& told) { return told.second >= second; });
  return after != told_.end() ? *after : told_.back();
}

MixRecorder::Clock::time_point MixRecorder::HeardAt(std::span<const std::int16_t> start,
                                                    Clock::time_point near) {
  std::lock_guard lock(mutex_);
  const Told& told = After(Seconds(near));
  const double expected = told.index + (Seconds(near) - told.second) * Rate;
  const auto from = static_cast<std::size_t>(std::max(0.0, expected - 0.020 * Rate));
  const auto to = static_cast<std::size_t>(std::max(0.0, expected + 0.080 * Rate));
  double best = -1;
  std::size_t bestAt = from;
  double own = 0;
  for (std::int16_t s : start) own += double(s) * s;
  for (std::size_t at = from; at < to && at + start.size() <= samples_.size(); ++at) {
    double dot = 0, energy = 0;
    for (std::size_t i = 0; i < start.size(); ++i) {
      const double x = samples_[at + i];
      dot += x * start[i];
      energy += x * x;
    }
    const double match = energy > 0 ? dot / std::sqrt(energy * own) : 0;
    if (match > best) {
      best = match;
      bestAt = at;
    }
  }
  return Clock::time_point(std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(told.second + (double(bestAt) - told.index) / Rate)));
}

}  // namespace zarlin::bench
