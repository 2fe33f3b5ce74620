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

// The samples of the notes one after another, each faded in and out.
std::vector<std::int16_t> ToneSamples(std::span<const Note> notes);

}  // namespace zarlin
