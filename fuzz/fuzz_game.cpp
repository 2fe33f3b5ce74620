// The libFuzzer entry: every input is a script of game events. A script that breaks the game
// is cut to the shortest that still does, which is printed event by event.
#include <cstdio>
#include <cstdlib>

#include "game_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (zarlin::fuzz::PlayScript(data, size).broken.empty()) return 0;
  const auto shortest = zarlin::fuzz::ShortestBrokenScript({data, data + size});
  std::fprintf(stderr, "broken after %d events: %s\n", shortest.events, shortest.broken.c_str());
  for (const std::string& event : shortest.script) std::fprintf(stderr, "  %s\n", event.c_str());
  std::abort();
}
