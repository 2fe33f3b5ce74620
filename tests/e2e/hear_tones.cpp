// Names the tones heard in a recording of the sound server's mix: hear_tones FILE, where FILE
// holds 16-bit little-endian samples, one channel at 48000 Hz, as parec writes them. Prints one
// line a tone, in the order they sound: its colour, by the pitch the game gives each colour,
// or "low" for the game-over tone, and the millisecond it starts at. hear_tones --largest-step
// FILE prints the largest step between two samples instead, in full scale (a click shows as
// one), and the number of holes the server left inside a tone.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <utility>
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
  const bool steps = argc == 3 && std::string(argv[1]) == "--largest-step";
  if (argc != 2 && !steps) return 2;
  std::ifstream file(argv[argc - 1], std::ios::binary);
  std::vector<std::int16_t> samples;
  for (std::int16_t sample; file.read(reinterpret_cast<char*>(&sample), sizeof sample);) {
    samples.push_back(sample);
  }
  // A hole of digital silence inside a tone, no longer than a cycle of PipeWire's graph, is one
  // its server leaves where it skips a cycle of the stream it holds: not a cut of ours, and the
  // tone goes on after it. Each hole as its first sample and the one after it.
  constexpr std::size_t ShortestHole = 64, LongestHole = 2048, Near = Rate / 1000;
  const auto loud = [&](std::size_t from, std::size_t to) {
    return std::any_of(samples.begin() + long(from), samples.begin() + long(std::min(to, samples.size())),
                       [](std::int16_t s) { return std::abs(s) > 32768 / 10; });
  };
  std::vector<std::pair<std::size_t, std::size_t>> holes;
  for (std::size_t i = Near; i < samples.size(); ++i) {
    if (samples[i] != 0 || samples[i - 1] == 0) continue;
    std::size_t end = i;
    while (end < samples.size() && samples[end] == 0) ++end;
    if (end - i >= ShortestHole && end - i <= LongestHole && loud(i - Near, i) && loud(end, end + Near)) holes.emplace_back(i, end);
    i = end;
  }
  const auto inHole = [&](std::size_t from, std::size_t to) {
    return std::any_of(holes.begin(), holes.end(), [&](const auto& hole) { return hole.first < to && from <= hole.second; });
  };
  if (steps) {
    int largest = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
      if (!inHole(i, i + 1)) largest = std::max(largest, std::abs(samples[i] - samples[i - 1]));
    }
    std::printf("%.3f %zu\n", largest / 32768.0, holes.size());
    return 0;
  }
  const Pitch* sounding = nullptr;
  for (std::size_t at = 0; at + Frame <= samples.size(); at += Hop) {
    const Pitch* heard = nullptr;
    for (const Pitch& pitch : Pitches) {
      if (Share(&samples[at], pitch.hertz) > 0.8) heard = &pitch;
    }
    if (heard == nullptr && inHole(at, at + Frame)) continue;
    // A frame across the edge of a tone matches no pitch, so a tone cut by the same one is heard
    // twice.
    if (heard != nullptr && heard != sounding) {
      std::printf("%s %zu\n", heard->name, at * 1000 / Rate);
    }
    sounding = heard;
  }
  return 0;
}
