// What the game sounds like: a tone for each colour, sounded with its flash, and a tune for
// each end of a game.
#pragma once

#include <array>
#include <span>

#include "sound/sound.h"
#include "engine/colour.h"
#include "engine/game_windows.h"

namespace zarlin {

// The major pentatonic scale from C5, rising from White to Black: six pitches that no ear
// confuses, none a semitone from another.
inline constexpr std::array<double, 6> ColourPitches = {523.25, 587.33, 659.26,
                                                        783.99, 880.00, 1046.50};

inline constexpr double Pitch(ColourNumber colour) { return ColourPitches[ColourIndex(colour)]; }

// Game over: one low G, below every colour, for half a second. A win: C E G C rising.
inline constexpr Note GameOverTune[] = {{196.00, 500}};
inline constexpr Note WinTune[] = {{523.25, 120}, {659.26, 120}, {783.99, 120}, {1046.50, 360}};

inline constexpr std::span<const Note> TuneOf(Notice notice) {
  return notice == Notice::GameOver ? std::span<const Note>(GameOverTune) : WinTune;
}

}  // namespace zarlin
