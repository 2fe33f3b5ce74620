// The samples of the game's tones: as long as their notes, at about -10 dBFS, without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "desktop/tone_samples.h"

namespace zarlin {
namespace {

TEST(ToneSamples, LastTheirNotesAtAModerateLevelAndFadeInAndOut) {
  struct Row {
    std::vector<Note> notes;
    std::size_t length;  // at 48000 samples a second
  };
  const Row rows[] = {
      {{{523.25, 200}}, 9600},
      {{{196.00, 500}}, 24000},
      {{{523.25, 120}, {659.26, 120}, {783.99, 120}, {1046.50, 360}}, 34560},
      {{{880.00, 0}}, 0},
      {{{880.00, -5}}, 0},
      {{{880.00, 60'000}}, 96000},  // two seconds at most
  };
  for (const Row& row : rows) {
    const std::vector<std::int16_t> samples = ToneSamples(row.notes);
    ASSERT_EQ(samples.size(), row.length) << row.notes.front().milliseconds;
    if (samples.empty()) continue;
    int peak = 0;
    for (std::int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
    EXPECT_NEAR(20 * std::log10(peak / 32768.0), -10, 0.5);
    // Silent at either end, and still below a tenth of the peak a millisecond in.
    EXPECT_EQ(samples.front(), 0);
    EXPECT_LT(std::abs(int(samples.back())), 10);
    for (std::size_t i = 0; i < 48; ++i) EXPECT_LT(std::abs(int(samples[i])), peak / 10) << i;
  }
}

}  // namespace
}  // namespace zarlin
