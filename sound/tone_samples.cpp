// Rendering tones into samples.
#include "tone_samples.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zarlin {

std::vector<std::int16_t> ToneSamples(std::span<const Note> notes) {
  std::vector<std::int16_t> samples;
  constexpr int FadeLength = SampleRate * FadeMilliseconds / 1000;
  for (const Note& note : notes) {
    const int milliseconds = std::clamp(note.milliseconds, 0, LongestNote);
    const int length = SampleRate / 1000 * milliseconds;
    const int fade = std::min(FadeLength, length / 2);
    for (int i = 0; i < length; ++i) {
      // A raised cosine from 0 to 1 over the fade, at either end.
      const int edge = std::min(i, length - 1 - i);
      const double gain =
          edge >= fade ? 1.0 : 0.5 - 0.5 * std::cos(std::numbers::pi * edge / fade);
      const double wave = std::sin(2 * std::numbers::pi * note.hertz * i / SampleRate);
      samples.push_back(static_cast<std::int16_t>(std::lround(32767 * TonePeak * gain * wave)));
    }
  }
  return samples;
}

std::vector<std::int16_t> FadedOut(std::span<const std::int16_t> sounding, std::size_t from) {
  constexpr int Length = SampleRate * CutFadeMilliseconds / 1000;
  std::vector<std::int16_t> samples(Length);
  for (int i = 0; i < Length && from + i < sounding.size(); ++i) {
    // A raised cosine from 1, where the sample before was heard whole, down towards 0.
    const double gain = 0.5 + 0.5 * std::cos(std::numbers::pi * i / Length);
    samples[i] = static_cast<std::int16_t>(std::lround(gain * sounding[from + i]));
  }
  return samples;
}

}  // namespace zarlin
