// The game's sound through the desktop's sound server, PulseAudio's or PipeWire's, by libpulse:
// a module of its own, which the program loads once its first window is up (sound.cpp), so that
// libpulse and the dozen libraries it brings cost the start-up nothing.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pulse/pulseaudio.h>

#include "sound.h"

namespace zarlin {

// One long-lived playback stream, and everything said to the server, on a thread of libpulse's
// own: the user-interface thread only hands each tune over. The sound card keeps a latency of
// its own choosing; a tune that cuts another is written from the sample about to be heard, the
// old one faded out first, and the server rewinds to play it at once (PipeWire's, which cannot,
// plays it a cycle of its graph later). Once a tune has been heard, or under PipeWire, which is
// slow to take the stream up again, three seconds after, the stream is corked, so that the card
// can sleep and nothing of ours wakes; under PipeWire a new game wakes it before its first flash.
// It never starts a server, and a server that is missing or goes away makes the game silent,
// said once on standard error, until GetReady or a tune finds one again.
class PulseSound final : public Sound {
 public:
  // The names the desktop's mixer lists the game by. Null, said on standard error, where
  // libpulse's thread cannot start.
  static std::unique_ptr<PulseSound> Make(std::string application, std::string icon);
  ~PulseSound() override;
  PulseSound(const PulseSound&) = delete;
  PulseSound& operator=(const PulseSound&) = delete;

  void Play(std::span<const Note> notes) override;
  void GetReady() override;

 private:
  using Samples = std::shared_ptr<const std::vector<std::int16_t>>;

  PulseSound(std::string application, std::string icon);
  void HandOver(std::optional<std::vector<Note>> tune);
  // On libpulse's thread, with its lock held, as everything below.
  void TakeOver();
  void Connect();
  void Disconnect();
  void Lost(const char* why);
  void Begin(Samples tune);
  void StartAfresh(const Samples& tune);
  void Sounding(const Samples& tune, std::int64_t from);
  void CancelCork();
  void FindSounding(const pa_timing_info& timing);
  void CorkWhenHeard();
  Samples Rendered(const std::vector<Note>& notes);
  static void Woken(pa_mainloop_api* api, pa_io_event* event, int fd, pa_io_event_flags_t flags, void* self);
  static void ContextChanged(pa_context* context, void* self);
  static void ServerTold(pa_context* context, const pa_server_info* info, void* self);
  static void StreamChanged(pa_stream* stream, void* self);
  static void Timed(pa_stream* stream, int success, void* self);
  static void CorkNow(pa_mainloop_api* api, pa_time_event* event, const timeval* at, void* self);
  static void TimedForCork(pa_stream* stream, int success, void* self);

  const std::string application_;
  const std::string icon_;
  pa_threaded_mainloop* loop_ = nullptr;
  // The user-interface thread wakes libpulse's by this event counter, never taking its lock.
  int wake_ = -1;
  pa_io_event* woken_ = nullptr;

  // What the user-interface thread hands over, under this lock alone, held for a moment.
  std::mutex handOver_;
  std::optional<std::vector<Note>> tune_;
  bool lookAgain_ = false;

  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  bool lost_ = true;
  bool saidSo_ = false;
  std::chrono::steady_clock::time_point lastLook_{};
  // PipeWire's server takes writes behind what it has read, but never plays them.
  bool rewinds_ = true;
  // What a game starting plays under PipeWire: PipeWire takes up a corked stream only at the end
  // of its graph's cycle, and then after a cycle of silence, so a moment of silence wakes the
  // stream ahead of the first flash, a playback's interval later, or holds it awake for longer.
  const Samples waking_;
  // The tunes played so far, rendered once each: the six colours and the two notices, in a game.
  std::vector<std::pair<std::vector<Note>, Samples>> rendered_;
  // The tune waiting for the stream's timing, and the one written, from this byte of the stream,
  // Unknown until the server tells where one written where it reads landed.
  static constexpr std::int64_t Unknown = -1;
  Samples next_;
  Samples sounding_;
  std::int64_t soundingFrom_ = Unknown;
  bool corked_ = true;
  // The stream is corked once its timing, asked afresh, says the tune has been heard; a new
  // tune cancels a cork still pending, so that a cork meant for one never lands in the next.
  pa_time_event* corking_ = nullptr;
  pa_operation* timing_ = nullptr;
};

}  // namespace zarlin
