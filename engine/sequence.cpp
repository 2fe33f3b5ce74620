// Drawing the sequence of colours: all 128 entries of the store, each from a fresh re-seed.
#include <algorithm>
#include <cmath>

#include "game.h"

namespace zarlin {

ColourNumber ColourForDraw(float r, std::int16_t colourCount) {
  return static_cast<ColourNumber>(std::floor(r * static_cast<float>(colourCount)) + 1.0f);
}

void Game::GenerateSequence() {
  const int lastIndex = std::min<int>(constants.MaxSeqIndex, SequenceStoreSize - 1);
  for (int i = 0; i <= lastIndex; ++i) {
    random_.Reseed();
    vars.Sequence[static_cast<std::size_t>(i)] = ColourForDraw(random_.Next(), vars.ColourCount);
  }
}

}  // namespace zarlin
