// The libFuzzer entry: every input is a script of game events.
#include <cstdlib>
#include <cstdio>

#include "game_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto result = zarlin::fuzz::PlayScript(data, size);
  if (!result.broken.empty()) {
    std::fprintf(stderr, "broken after event %d: %s\n", result.events, result.broken.c_str());
    std::abort();
  }
  return 0;
}
