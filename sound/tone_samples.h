// Tones as the sound card plays them: 16-bit samples of sine waves, one channel.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "sound.h"

namespace zarlin {

inline constexpr int SampleRate = 48000;
// About -10 dBFS: heard clearly beside other programs, never near clipping.
inline constexpr double TonePeak = 0.316;
// Each note fades in and out over this long, so that it starts and stops without a click.
inline constexpr int FadeMilliseconds = 5;
// A longer note is cut to this: no flash or notice of the game lasts longer.
inline constexpr std::int32_t LongestNote = 2000;

// A tune cut by another fades out over this long first: short enough not to delay the next.
inline constexpr int CutFadeMilliseconds = 3;

// The samples of the notes one after another, each faded in and out.
std::vector<std::int16_t> ToneSamples(std::span<const Note> notes);

// What is played in place of the sounding samples from the one at `from` on when a tune cuts
// them: those samples faded out, so that they meet the next tune's silent start without a click.
std::vector<std::int16_t> FadedOut(std::span<const std::int16_t> sounding, std::size_t from);

}  // namespace zarlin
