// What the game sounds through: tones, one after another, each tune cutting whatever still
// sounds. The windows sound what they flash; the engine knows nothing of sound.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace zarlin {

struct Note {
  double hertz;
  std::int32_t milliseconds;
  friend bool operator==(const Note&, const Note&) = default;
};

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts the notes at once, one after another, cutting whatever still sounds; no notes only
  // cut it. Never waits, and never fails where the player would notice: without a sound server
  // the game is silent.
  virtual void Play(std::span<const Note> notes) = 0;
  // A game starts: a sound server lost since is looked for again, and one slow to take up a
  // quiet stream is woken ahead of the first flash, without waiting for either.
  virtual void GetReady() = 0;
};

// The game without sound.
class Silence final : public Sound {
 public:
  void Play(std::span<const Note>) override {}
  void GetReady() override {}
};

// The desktop's sound server where the program was built with one, else silence; its mixer lists
// the game by the application's name and icon. It connects once the event loop runs, so that
// start-up never waits for sound.
std::unique_ptr<Sound> DesktopSound(std::string_view application, std::string_view icon);

}  // namespace zarlin
