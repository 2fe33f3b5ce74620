// The game's sound through the desktop's sound server, PulseAudio's or PipeWire's, by libpulse:
// a module of its own, which the program loads once its first window is up (sound.cpp), so that
// libpulse and the dozen libraries it brings cost the start-up nothing.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "sound.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace zarlin {

// One long-lived playback stream on a thread of libpulse's own. A tune flushes whatever the
// stream still holds and is written at once, so it starts within the server's latency; the
// stream is corked whenever it has played out, so that the sound card can sleep and nothing
// of ours wakes. It never starts a server, and a server that is missing or goes away makes the
// game silent, said once on standard error, until GetReady or a tune finds one again.
class PulseSound final : public Sound {
 public:
  // The names the desktop's mixer lists the game by.
  PulseSound(std::string application, std::string icon);
  ~PulseSound() override;
  PulseSound(const PulseSound&) = delete;
  PulseSound& operator=(const PulseSound&) = delete;

  void Play(std::span<const Note> notes) override;
  void GetReady() override;

 private:
  void Connect();
  void Disconnect();
  void LookAgainIfLost();
  void Lost(const char* why);
  const std::vector<std::int16_t>& Rendered(std::span<const Note> notes);
  static void ContextChanged(pa_context* context, void* self);
  static void StreamChanged(pa_stream* stream, void* self);
  static void Underflowed(pa_stream* stream, void* self);

  const std::string application_;
  const std::string icon_;
  // The tunes played so far, rendered once each: the six colours and the two notices, in a game.
  std::vector<std::pair<std::vector<Note>, std::vector<std::int16_t>>> rendered_;
  pa_threaded_mainloop* loop_ = nullptr;
  // Below, only with the loop's lock held.
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  // When the last tune written ends. The stream runs dry at the end of every tune, and also
  // when a tune cut another; only the first is the end.
  std::chrono::steady_clock::time_point playingUntil_{};

  std::atomic<bool> lost_{false};
  std::atomic<bool> saidSo_{false};
  std::chrono::steady_clock::time_point lastLook_{};
};

}  // namespace zarlin
