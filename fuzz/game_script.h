// Plays a script of game events, read from bytes, against the engine with virtual-time timers
// and a stand-in for the colour windows, checking after every event the game's invariants and
// that it did what the rules, written down apart in rules_model.h, say it must.
// The fuzzer feeds it arbitrary bytes; the tests replay the corpus and seeded random scripts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zarlin::fuzz {

struct ScriptResult {
  std::string broken;  // the first invariant or rule that did not hold, empty when all held
  int events = 0;
  std::vector<std::string> script;                         // the events played, in words
  std::vector<std::pair<std::size_t, std::size_t>> spans;  // and their bytes
  int wins = 0;
  int gameOvers = 0;
  int refusedOptions = 0;
};

ScriptResult PlayScript(const std::uint8_t* data, std::size_t size);

// For a script that breaks the game: the result of the shortest one found by dropping events
// that still breaks it, for the finding to show.
ScriptResult ShortestBrokenScript(std::vector<std::uint8_t> script);

// The event codes, for writing scripts by hand.
enum Event : std::uint8_t {
  NewGame = 0,
  Wait = 1,            // then one byte: tens of milliseconds
  Click = 2,           // then one byte: the colour, counted from 0 (White)
  ClickExpected = 3,   // a right click on whatever colour the game expects
  Options = 4,         // then bytes: colour count, mode, start length and delay texts
  CloseWindow = 5,     // then one byte: the colour window the player closes
  WaitForPlayback = 6, // until the round's playback and its last flash have ended
  EventCount = 7,
};

}  // namespace zarlin::fuzz
