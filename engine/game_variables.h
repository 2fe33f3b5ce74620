// All of the game's state: the fixed values, the four settings the options dialog edits, the
// counters the main window shows, the sequence store and the indices that drive playback and
// judging. The fields carry their start-up values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <variant>

#include "colour.h"

namespace zarlin {

// The playback delay: the start-up integer, or the text the player typed in the options dialog,
// kept as typed and read as a number only when a playback starts.
using DelaySetting = std::variant<std::int16_t, std::string>;

inline constexpr int SequenceStoreSize = 128;

// 16-bit booleans, as the settings hold them.
inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;

struct GameConstants {
  std::int16_t MaxSeqIndex = 127;  // highest index of the store: the longest round has 128 colours
  std::int16_t BlinkTime = 200;    // milliseconds a flashed button shows dark grey
};

struct GameVariables {
  std::int16_t CurrentRound = 1;
  std::int16_t Score = 0;
  std::int16_t SequentialPatterns = True;  // one sequence per game, each round a longer prefix
  std::int16_t ColourCount = 6;            // colours 1 to ColourCount take part
  DelaySetting Delay = std::int16_t{200};  // milliseconds between two flashes of playback
  double StartLastIndex = 0;               // start length minus one, unrounded
  std::array<ColourNumber, SequenceStoreSize> Sequence{};
  std::int16_t SeqLastIndex = 0;  // the round plays and expects entries 0 to SeqLastIndex
  std::int16_t PlayIndex = 0;     // the next entry that playback flashes
  std::int16_t InputIndex = 0;    // the entry the player's next click must match
};

}  // namespace zarlin
