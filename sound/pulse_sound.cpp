// Playing the game's tones on the desktop's sound server.
#include "pulse_sound.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include "sound_module.h"
#include "tone_samples.h"

namespace zarlin {

namespace {

constexpr pa_sample_spec ToneFormat = {PA_SAMPLE_S16LE, SampleRate, 1};
// With a target of four requests, the server gives the sound card (target - 2 x request) / 2 =
// one request as the stream's wish: 1024 frames, 21 ms at 48 kHz. The card keeps a latency of
// its own rather than waking every fraction of a millisecond for every program playing on it,
// and a cut is prompt all the same, written behind what the card holds. PipeWire's server cuts
// a cycle of its graph later, so there the game asks for half of its default cycle: a cut is
// then heard within 25 ms.
constexpr std::uint32_t RequestFrames = 1024;
constexpr std::uint32_t RequestFramesWithoutRewinds = 512;
// A cut begins this far after the sample heard when the server last told its timing: time for
// the write to reach the server and the card to rewind.
constexpr pa_usec_t CutAhead = 2 * PA_USEC_PER_MSEC;
// Each tune is followed by this much silence, so that a tune cutting it as it ends still finds
// the stream playing: the server rewinds a stream that ran dry only to where it now reads, and
// the start of a tune written behind that would be lost.
constexpr int QuietTailMilliseconds = 40;
// PipeWire's graph runs at the pace its busiest stream asks, and takes up a new pace only at the
// end of a cycle at the old one: a stream uncorked there is heard up to a cycle of the graph's
// default later. So there the stream stays uncorked this long after a tune or a game's start,
// through a playback at a flash every two seconds or a player's pause to think, and is corked
// only once the game has fallen quiet.
constexpr int PipeWireHoldMilliseconds = 3000;
// A server that went away is looked for at most this often.
constexpr std::chrono::seconds LookAgainAfter{1};

void Unref(pa_operation* operation) {
  if (operation != nullptr) pa_operation_unref(operation);
}

std::int64_t Bytes(std::size_t samples) { return static_cast<std::int64_t>(samples * sizeof(std::int16_t)); }

// The byte of the stream being heard, by the server's last word on its timing: what it has read,
// less what the card holds, and what has played since, unless the stream stands still.
std::int64_t Heard(const pa_timing_info& timing) {
  pa_usec_t since = timing.sink_usec;
  std::int64_t heard = timing.read_index - static_cast<std::int64_t>(pa_usec_to_bytes(since, &ToneFormat));
  if (timing.playing) heard += static_cast<std::int64_t>(pa_usec_to_bytes(pa_timeval_age(&timing.timestamp), &ToneFormat));
  return heard;
}

// PipeWire's server reads the stream a cycle of its graph at a time and may read the next before
// a write arrives, so a cut goes a cycle past what it last told, where the old tone is sure to be
// still unread; written behind what it has read, a tune waits behind a gap. The cycle is the
// power of two frames it leaves itself of the target length, the quantum it runs the graph at.
std::int64_t CycleBytes(const pa_buffer_attr* buffer) {
  if (buffer == nullptr) return 0;
  const std::uint32_t own = std::max(buffer->minreq, buffer->tlength - std::min(buffer->tlength, 2 * buffer->minreq));
  return Bytes(std::bit_ceil(own / sizeof(std::int16_t)));
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
    : application_(std::move(application)),
      icon_(std::move(icon)),
      waking_(std::make_shared<const std::vector<std::int16_t>>(SampleRate / 1000 * QuietTailMilliseconds)) {}

std::unique_ptr<PulseSound> PulseSound::Make(std::string application, std::string icon) {
  std::unique_ptr<PulseSound> sound(new PulseSound(std::move(application), std::move(icon)));
  sound->wake_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  sound->loop_ = pa_threaded_mainloop_new();
  if (sound->wake_ < 0 || sound->loop_ == nullptr) {
    std::fprintf(stderr, "zarlin: playing without sound: libpulse could not make its main loop\n");
    return nullptr;
  }
  pa_mainloop_api* api = pa_threaded_mainloop_get_api(sound->loop_);
  sound->woken_ = api->io_new(api, sound->wake_, PA_IO_EVENT_INPUT, &PulseSound::Woken, sound.get());
  if (pa_threaded_mainloop_start(sound->loop_) < 0) {
    std::fprintf(stderr, "zarlin: playing without sound: libpulse could not start its thread\n");
    return nullptr;
  }
  sound->GetReady();  // the first look for the server, on libpulse's thread
  return sound;
}

PulseSound::~PulseSound() {
  if (loop_ != nullptr) {
    {
      Locked locked(loop_);
      Disconnect();
      if (woken_ != nullptr) pa_threaded_mainloop_get_api(loop_)->io_free(woken_);
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
  }
  if (wake_ >= 0) close(wake_);
}

void PulseSound::Play(std::span<const Note> notes) { HandOver(std::vector<Note>(notes.begin(), notes.end())); }

void PulseSound::GetReady() { HandOver(std::nullopt); }

// Every tune and every New Game also look for a server that went away.
void PulseSound::HandOver(std::optional<std::vector<Note>> tune) {
  {
    std::lock_guard lock(handOver_);
    if (tune) tune_ = std::move(tune);
    lookAgain_ = true;
  }
  const std::uint64_t once = 1;
  // Adding to the counter fails only past 2^64 - 2 wake-ups.
  [[maybe_unused]] const auto added = write(wake_, &once, sizeof once);
}

void PulseSound::Woken(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void* self) {
  std::uint64_t times = 0;
  [[maybe_unused]] const auto taken = read(fd, &times, sizeof times);
  static_cast<PulseSound*>(self)->TakeOver();
}

void PulseSound::TakeOver() {
  std::optional<std::vector<Note>> tune;
  bool look = false;
  {
    std::lock_guard lock(handOver_);
    tune.swap(tune_);
    look = std::exchange(lookAgain_, false);
  }
  if (look && lost_ && std::chrono::steady_clock::now() - lastLook_ >= LookAgainAfter) {
    Disconnect();
    Connect();
  }
  if (tune) {
    Begin(Rendered(*tune));
  } else if (look && !rewinds_) {
    Begin(waking_);
  }
}

void PulseSound::Connect() {
  lastLook_ = std::chrono::steady_clock::now();
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

void PulseSound::Disconnect() {
  CancelCork();
  next_.reset();
  sounding_.reset();
  corked_ = true;
  if (stream_ != nullptr) {
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
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
  if (!std::exchange(saidSo_, true)) std::fprintf(stderr, "zarlin: playing without sound: %s\n", why);
}

PulseSound::Samples PulseSound::Rendered(const std::vector<Note>& notes) {
  constexpr std::size_t Kept = 16;
  for (const auto& [tune, samples] : rendered_) {
    if (tune == notes) return samples;
  }
  if (rendered_.size() == Kept) rendered_.clear();
  std::vector<std::int16_t> samples = ToneSamples(notes);
  if (!samples.empty()) samples.resize(samples.size() + SampleRate / 1000 * QuietTailMilliseconds);
  return rendered_.emplace_back(notes, std::make_shared<const std::vector<std::int16_t>>(std::move(samples))).second;
}

// A cork still pending belongs to the tune before: it must not land in this one.
void PulseSound::CancelCork() {
  if (corking_ != nullptr) {
    pa_threaded_mainloop_get_api(loop_)->time_free(corking_);
    corking_ = nullptr;
  }
  if (timing_ != nullptr) {
    pa_operation_cancel(timing_);
    pa_operation_unref(timing_);
    timing_ = nullptr;
  }
}

// Where the sounding tune stands is known only from the server's timing, asked afresh; a corked
// stream has nothing left to cut, and its tune goes to the server at once.
void PulseSound::Begin(Samples tune) {
  if (stream_ == nullptr || pa_stream_get_state(stream_) != PA_STREAM_READY) return;
  CancelCork();
  if (corked_) {
    next_.reset();
    if (!tune->empty()) StartAfresh(tune);
    return;
  }
  next_ = std::move(tune);
  Unref(pa_stream_update_timing_info(stream_, &PulseSound::Timed, this));
}

void PulseSound::Timed(pa_stream* stream, int success, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  // A later tune's request took over from an earlier one's.
  if (!sound.next_) return;
  const Samples tune = std::exchange(sound.next_, nullptr);
  const pa_timing_info* timing = success ? pa_stream_get_timing_info(stream) : nullptr;
  if (timing == nullptr) return;
  sound.FindSounding(*timing);
  const std::int64_t read = timing->read_index;
  const bool sounding = !sound.corked_ && sound.sounding_ && sound.soundingFrom_ != Unknown;
  const std::int64_t soundingEnd = sounding ? sound.soundingFrom_ + Bytes(sound.sounding_->size()) : 0;
  // Whether the server has yet to read the whole of the sounding tune, and so a tone of ours is
  // left to cut, and from where: where PulseAudio rewinds, a moment after the sample being heard,
  // over whatever of ours the card holds; under PipeWire, which never plays again what it has
  // read, past what it may read before the write arrives.
  const bool cutting = sounding && read < soundingEnd;
  std::int64_t from = read;
  if (sound.rewinds_) {
    from = Heard(*timing) + static_cast<std::int64_t>(pa_usec_to_bytes(CutAhead, &ToneFormat));
    from = std::max(std::min(from, read), sound.soundingFrom_);
  } else {
    from += CycleBytes(pa_stream_get_buffer_attr(stream));
  }
  // A game starting keeps the stream uncorked a while longer, and lets a tune still sounding be.
  if (cutting && tune == sound.waking_) {
    sound.CorkWhenHeard();
    return;
  }
  if (!cutting) {
    // PulseAudio rewinds a stream that ran dry only to where it reads, and plays a tune written
    // there once the card has played the silence of ours it holds: corked first, the stream is
    // rewound as it is uncorked.
    if (tune->empty() || sound.rewinds_) {
      Unref(pa_stream_cork(stream, 1, nullptr, nullptr));
      sound.corked_ = true;
    }
    if (!tune->empty()) sound.StartAfresh(tune);
    return;
  }
  std::vector<std::int16_t> samples;
  if (from < soundingEnd) {
    samples = FadedOut(*sound.sounding_, static_cast<std::size_t>((from - sound.soundingFrom_) / Bytes(1)));
  }
  const std::int64_t tuneFrom = from + Bytes(samples.size());
  samples.insert(samples.end(), tune->begin(), tune->end());
  // Silence over whatever is left of the sounding tune after the new one. A flush would do,
  // but it also drops what the server keeps behind its read index to rewind into.
  if (soundingEnd - from > Bytes(samples.size())) samples.resize(static_cast<std::size_t>((soundingEnd - from) / Bytes(1)));
  if (tune->empty() && std::all_of(samples.begin(), samples.end(), [](std::int16_t s) { return s == 0; })) {
    Unref(pa_stream_cork(stream, 1, nullptr, nullptr));
    sound.corked_ = true;
    return;
  }
  pa_stream_write(stream, samples.data(), static_cast<std::size_t>(Bytes(samples.size())), nullptr, from,
                  PA_SEEK_ABSOLUTE);
  sound.Sounding(tune, tuneFrom);
}

// Nothing of ours is left to hear: the tune goes wherever the server reads when it arrives.
// Written before the stream is uncorked, or into one that ran dry, PulseAudio rewinds the card
// to play it at once, and PipeWire plays it at its next cycle. PipeWire may drop the first
// samples of a stream it takes up again after a cork: there a cycle of silence goes first, so
// that what it drops is not the tone's fade-in.
void PulseSound::StartAfresh(const Samples& tune) {
  std::vector<std::int16_t> samples(rewinds_ || !corked_ ? 0 : RequestFramesWithoutRewinds);
  samples.insert(samples.end(), tune->begin(), tune->end());
  Unref(pa_stream_flush(stream_, nullptr, nullptr));
  pa_stream_write(stream_, samples.data(), static_cast<std::size_t>(Bytes(samples.size())), nullptr, 0, PA_SEEK_RELATIVE);
  Sounding(tune, Unknown);
}

// The tune written, from this byte of the stream or from where the server reads, plays until
// it has been heard.
void PulseSound::Sounding(const Samples& tune, std::int64_t from) {
  sounding_ = tune;
  soundingFrom_ = from;
  if (corked_) Unref(pa_stream_cork(stream_, 0, nullptr, nullptr));
  corked_ = false;
  CorkWhenHeard();
}

// A tune written where the server was reading is found by the stream's write index, once the
// server has told it afresh: it ends there.
void PulseSound::FindSounding(const pa_timing_info& timing) {
  if (sounding_ && soundingFrom_ == Unknown && !timing.write_index_corrupt) {
    soundingFrom_ = timing.write_index - Bytes(sounding_->size());
  }
}

// Corks the stream once its timing says the tune has been heard, so that the card can sleep.
void PulseSound::CorkWhenHeard() {
  const pa_timing_info* timing = pa_stream_get_timing_info(stream_);
  if (timing != nullptr) FindSounding(*timing);
  // Until the server tells where a tune written where it reads stands, it is heard from now.
  const std::int64_t heard = timing != nullptr && soundingFrom_ != Unknown ? Heard(*timing) : 0;
  const std::int64_t ahead = (soundingFrom_ != Unknown ? soundingFrom_ : 0) + Bytes(sounding_->size()) - heard +
                            (rewinds_ ? 0 : Bytes(SampleRate / 1000 * PipeWireHoldMilliseconds));
  if (ahead <= 0) {
    Unref(pa_stream_cork(stream_, 1, nullptr, nullptr));
    corked_ = true;
    return;
  }
  corking_ = pa_context_rttime_new(context_, pa_rtclock_now() + pa_bytes_to_usec(static_cast<std::uint64_t>(ahead), &ToneFormat),
                                   &PulseSound::CorkNow, this);
}

void PulseSound::CorkNow(pa_mainloop_api* api, pa_time_event* event, const timeval*, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  api->time_free(event);
  sound.corking_ = nullptr;
  sound.timing_ = pa_stream_update_timing_info(sound.stream_, &PulseSound::TimedForCork, self);
}

// The stream's timing is asked only when a cork is due, so that nothing wakes between tunes.
void PulseSound::TimedForCork(pa_stream*, int success, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  Unref(std::exchange(sound.timing_, nullptr));
  if (success) sound.CorkWhenHeard();
}

void PulseSound::ContextChanged(pa_context* context, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
      Unref(pa_context_get_server_info(context, &PulseSound::ServerTold, self));
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      sound.Lost(pa_strerror(pa_context_errno(context)));
      break;
    default:
      break;
  }
}

// The stream waits for the server's name: PipeWire's server never rewinds, so a tune cutting
// another waits a whole cycle of its graph there, and the game asks it for a shorter cycle.
void PulseSound::ServerTold(pa_context* context, const pa_server_info* info, void* self) {
  auto& sound = *static_cast<PulseSound*>(self);
  sound.rewinds_ = info == nullptr || info->server_name == nullptr || std::strstr(info->server_name, "PipeWire") == nullptr;
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
  const auto request = static_cast<std::uint32_t>((sound.rewinds_ ? RequestFrames : RequestFramesWithoutRewinds) * pa_frame_size(&ToneFormat));
  constexpr auto ServersChoice = static_cast<std::uint32_t>(-1);
  // Playing starts as soon as anything is written: no start threshold.
  const pa_buffer_attr buffer = {ServersChoice, 4 * request, 0, request, ServersChoice};
  const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED |
                                                    PA_STREAM_INTERPOLATE_TIMING);
  if (pa_stream_connect_playback(sound.stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
    sound.Lost(pa_strerror(pa_context_errno(context)));
  }
}

void PulseSound::StreamChanged(pa_stream* stream, void* self) {
  const pa_stream_state_t state = pa_stream_get_state(stream);
  if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) {
    static_cast<PulseSound*>(self)->Lost(pa_strerror(pa_context_errno(pa_stream_get_context(stream))));
  }
}

}  // namespace zarlin

extern "C" [[gnu::visibility("default")]] zarlin::Sound* ZARLIN_SOUND_MODULE_ENTRY(const char* application,
                                                                                  const char* icon) {
  return zarlin::PulseSound::Make(application, icon).release();
}
static_assert(std::is_same_v<decltype(&ZARLIN_SOUND_MODULE_ENTRY), zarlin::MakeModuleSound>);
