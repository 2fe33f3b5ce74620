// Names the tones heard in a recording of the sound server's mix: hear_tones FILE, where FILE
// holds 16-bit little-endian samples, one channel at 48000 Hz, as parec writes them. Prints one
// line a tone, in the order they sound: its colour, by the pitch the game gives each colour,
// or "low" for the game-over tone, and the millisecond it starts at.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <vector>

namespace {

struct Pitch {
  const char* name;
  double hertz;
};

// The pentatonic scale from C5 up, White to Black, and the G below middle C.
constexpr Pitch Pitches[] = {{"White", 523.25}, {"Yellow", 587.33}, {"Red", 659.26},
                             {"Green", 783.99}, {"Blue", 880.00},   {"Black", 1046.50},
                             {"low", 196.00}};
constexpr int Rate = 48000;
constexpr int Frame = Rate / 25;  // 40 ms: fine enough in pitch to tell 523 Hz from 587 Hz
constexpr int Hop = Rate / 200;   // 5 ms

// The share of a frame's energy at one frequency: near 1 for a pure tone of that pitch.
double Share(const std::int16_t* x, double hertz) {
  const double w = 2 * std::numbers::pi * hertz / Rate;
  double re = 0, im = 0, energy = 0;
  for (int i = 0; i < Frame; ++i) {
    re += x[i] * std::cos(w * i);
    im += x[i] * std::sin(w * i);
    energy += double(x[i]) * x[i];
  }
  return energy < 1e6 ? 0 : (re * re + im * im) / (energy * Frame / 2);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) return 2;
  std::ifstream file(argv[1], std::ios::binary);
  std::vector<std::int16_t> samples;
  for (std::int16_t sample; file.read(reinterpret_cast<char*>(&sample), sizeof sample);) {
    samples.push_back(sample);
  }
  const Pitch* sounding = nullptr;
  for (std::size_t at = 0; at + Frame <= samples.size(); at += Hop) {
    const Pitch* heard = nullptr;
    for (const Pitch& pitch : Pitches) {
      if (Share(&samples[at], pitch.hertz) > 0.8) heard = &pitch;
    }
    // A frame across the edge of a tone matches no pitch, so a tone cut by the same one is heard
    // twice.
    if (heard != nullptr && heard != sounding) {
      std::printf("%s %zu\n", heard->name, at * 1000 / Rate);
    }
    sounding = heard;
  }
  return 0;
}
