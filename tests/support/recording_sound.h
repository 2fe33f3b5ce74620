// A stand-in for the sound server that writes down every tune the game plays, in order.
#pragma once

#include <span>
#include <vector>

#include "sound/sound.h"

namespace zarlin::testing {

struct RecordingSound : Sound {
  std::vector<std::vector<Note>> tunes;  // no notes: what sounded was cut
  int readied = 0;

  void Play(std::span<const Note> notes) override { tunes.emplace_back(notes.begin(), notes.end()); }
  void GetReady() override { ++readied; }
};

}  // namespace zarlin::testing
