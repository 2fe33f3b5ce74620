// The samples of the game's tones: as long as their notes, at about -10 dBFS, without a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "sound/tone_samples.h"

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

// A tune cut by another, from any sample of any colour's tone or the game over's, into the game
// over's tone or a colour's: no step between two samples above a tenth of full scale, a click.
TEST(ToneSamples, CutWithoutAClick) {
  const double pitches[] = {523.25, 587.33, 659.26, 783.99, 880.00, 1046.50, 196.00};
  for (double pitch : pitches) {
    const Note sounding[] = {{pitch, 200}};
    const Note next[] = {{pitch == 196.00 ? 1046.50 : 196.00, 500}};
    const std::vector<std::int16_t> tone = ToneSamples(sounding);
    const std::vector<std::int16_t> after = ToneSamples(next);
    // Every phase of a period at the start, in the middle and near the end; and past the end.
    for (std::size_t from : {std::size_t{1}, std::size_t{4800}, tone.size() - 300, tone.size() + 10}) {
      for (std::size_t phase = 0; phase < 245; ++phase) {
        std::vector<std::int16_t> heard(tone.begin(), tone.begin() + std::min(from + phase, tone.size()));
        const std::vector<std::int16_t> fade = FadedOut(tone, from + phase);
        heard.insert(heard.end(), fade.begin(), fade.end());
        heard.insert(heard.end(), after.begin(), after.end());
        int largest = 0;
        for (std::size_t i = 1; i < heard.size(); ++i) largest = std::max(largest, std::abs(heard[i] - heard[i - 1]));
        ASSERT_LE(largest, 0.1 * 32768) << pitch << " Hz cut at sample " << from + phase;
      }
    }
  }
}

}  // namespace
}  // namespace zarlin
