// Playing the game's tones on the desktop's sound server.
#include "pulse_sound.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "tone_samples.h"

namespace zarlin {

namespace {

constexpr pa_sample_spec ToneFormat = {PA_SAMPLE_S16LE, SampleRate, 1};
// A tune is heard a few milliseconds after it is written, whatever the buffer's length: the
// flush before it empties the buffer, and the server plays the new samples at once. The server
// asks for more whenever a minimum request's worth has played, waking libpulse's thread each
// time: at 20 ms and its default 5 ms request, a sounding playback cost twice the CPU of a
// silent one, at 200 ms and 100 ms under one and a half times.
constexpr std::uint32_t TargetMilliseconds = 200;
constexpr std::uint32_t RequestMilliseconds = 100;
// A server that went away is looked for at most this often.
constexpr std::chrono::seconds LookAgainAfter{1};
// The server tells of a tune that ran dry a little before its last sample is heard.
constexpr std::chrono::milliseconds RunsDryEarly{40};

void Unref(pa_operation* operation) {
  if (operation != nullptr) pa_operation_unref(operation);
}

// Holds the loop's lock, which every call on the context or the stream needs.
class Locked {
 public:
  explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
  ~Locked() { pa_threaded_mainloop_unlock(loop_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  pa_threaded_mainloop* loop_;
};

}  // namespace

PulseSound::PulseSound(std::string application, std::string icon)
    : application_(std::move(application)), icon_(std::move(icon)) {
  Connect();
}

PulseSound::~PulseSound() {
  if (loop_ == nullptr) return;
  {
    Locked locked(loop_);
    Disconnect();
  }
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
}

void PulseSound::Connect() {
  lastLook_ = std::chrono::steady_clock::now();
  if (loop_ == nullptr) {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr || pa_threaded_mainloop_start(loop_) < 0) {
      Lost("libpulse could not start its thread");
      return;
    }
  }
  Locked locked(loop_);
  pa_proplist* properties = pa_proplist_new();
  pa_proplist_sets(properties, PA_PROP_APPLICATION_NAME, application_.c_str());
  pa_proplist_sets(properties, PA_PROP_APPLICATION_ICON_NAME, icon_.c_str());
  context_ = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(loop_),
                                          application_.c_str(), properties);
  pa_proplist_free(properties);
  if (context_ == nullptr) {
    Lost("libpulse could not make a context");
    return;
  }
  lost_ = false;
  pa_context_set_state_callback(context_, &PulseSound::ContextChanged, this);
  if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
    Lost(pa_strerror(pa_context_errno(context_)));
  }
}

// With the lock held.
void PulseSound::Disconnect() {
  if (stream_ != nullptr) {
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
  }
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
  }
}

void PulseSound::Lost(const char* why) {
  lost_ = true;
  if (!saidSo_.exchange(true)) std::fprintf(stderr, "zarlin: playing without sound: %s\n", why);
}

void PulseSound::LookAgainIfLost() {
  if (!lost_ || loop_ == nullptr ||
      std::chrono::steady_clock::now() - lastLook_ < LookAgainAfter) {
    return;
  }
  {
    Locked locked(loop_);
    Disconnect();
  }
  Connect();
}

void PulseSound::GetReady() { LookAgainIfLost(); }

const std::vector<std::int16_t>& PulseSound::Rendered(std::span<const Note> notes) {
  constexpr std::size_t Kept = 16;
  for (const auto& [tune, samples] : rendered_) {
    if (std::equal(tune.begin(), tune.end(), notes.begin(), notes.end())) return samples;
  }
  if (rendered_.size() == Kept) rendered_.clear();
  return rendered_.emplace_back(std::vector<Note>(notes.begin(), notes.end()), ToneSamples(notes))
      .second;
}

void PulseSound::Play(std::span<const Note> notes) {
  LookAgainIfLost();
  if (loop_ == nullptr) return;
  const std::vector<std::int16_t>& samples = Rendered(notes);
  Locked locked(loop_);
  if (stream_ == nullptr || pa_stream_get_state(stream_) != PA_STREAM_READY) return;
  Unref(pa_stream_flush(stream_, nullptr, nullptr));
  if (samples.empty()) {
    Unref(pa_stream_cork(stream_, 1, nullptr, nullptr));
    return;
  }
  pa_stream_write(stream_, samples.data(), samples.size() * sizeof(std::int16_t), nullptr, 0,
                  PA_SEEK_RELATIVE);
  Unref(pa_stream_cork(stream_, 0, nullptr, nullptr));
  playingUntil_ = std::chrono::steady_clock::now() +
                  std::chrono::milliseconds(samples.size() * 1000 / SampleRate) - RunsDryEarly;
}

// On libpulse's thread, with the lock held, as every callback below.
void PulseSound::ContextChanged(pa_context* context, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
      pa_proplist* properties = pa_proplist_new();
      pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
      pa_proplist_sets(properties, PA_PROP_MEDIA_NAME, "Tones");
      sound.stream_ = pa_stream_new_with_proplist(context, "Tones", &ToneFormat, nullptr, properties);
      pa_proplist_free(properties);
      if (sound.stream_ == nullptr) {
        sound.Lost(pa_strerror(pa_context_errno(context)));
        return;
      }
      pa_stream_set_state_callback(sound.stream_, &PulseSound::StreamChanged, self);
      pa_stream_set_underflow_callback(sound.stream_, &PulseSound::Underflowed, self);
      const auto bytes = [](std::uint32_t milliseconds) {
        return static_cast<std::uint32_t>(pa_usec_to_bytes(milliseconds * PA_USEC_PER_MSEC, &ToneFormat));
      };
      constexpr auto ServersChoice = static_cast<std::uint32_t>(-1);
      const pa_buffer_attr buffer = {ServersChoice, bytes(TargetMilliseconds), ServersChoice,
                                     bytes(RequestMilliseconds), ServersChoice};
      const auto flags =
          static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
      if (pa_stream_connect_playback(sound.stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        sound.Lost(pa_strerror(pa_context_errno(context)));
      }
      break;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      sound.Lost(pa_strerror(pa_context_errno(context)));
      break;
    default:
      break;
  }
}

void PulseSound::StreamChanged(pa_stream* stream, void* self) {
  const pa_stream_state_t state = pa_stream_get_state(stream);
  if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
    static_cast<PulseSound*>(self)->Lost(pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
  }
}

void PulseSound::Underflowed(pa_stream* stream, void* self) {
  if (std::chrono::steady_clock::now() >= static_cast<PulseSound*>(self)->playingUntil_) {
    Unref(pa_stream_cork(stream, 1, nullptr, nullptr));
  }
}

}  // namespace zarlin

// What the program looks up once it has loaded this module.
extern "C" [[gnu::visibility("default")]] zarlin::Sound* ZarlinPulseSound(const char* application,
                                                                         const char* icon) {
  return new zarlin::PulseSound(application, icon);
}
