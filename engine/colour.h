// The six colours of the game, by their colour numbers. The colours taking part in a game are
// always 1 to ColourCount; 0 stands for no colour.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zarlin {

using ColourNumber = std::int16_t;

inline constexpr ColourNumber NoColour = 0;
inline constexpr ColourNumber White = 1;
inline constexpr ColourNumber Yellow = 2;
inline constexpr ColourNumber Red = 3;
inline constexpr ColourNumber Green = 4;
inline constexpr ColourNumber Blue = 5;
inline constexpr ColourNumber Black = 6;

inline constexpr ColourNumber FirstColour = White;
inline constexpr ColourNumber LastColour = Black;

constexpr bool IsColour(int number) { return number >= FirstColour && number <= LastColour; }

// Where a colour stands in a table of the six, White first.
constexpr std::size_t ColourIndex(ColourNumber colour) {
  return static_cast<std::size_t>(colour - FirstColour);
}

}  // namespace zarlin
