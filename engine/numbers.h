// How the game turns numbers into the whole values it needs and reads and writes the numbers
// the player types.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zarlin {

// Rounds to the nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double RoundHalfEven(double value);

// Rounds half to even to a 16-bit integer; nothing when the result does not fit (or is NaN).
std::optional<std::int16_t> RoundToInt16(double value);

// Rounds half to even to whole milliseconds; nothing when the result does not fit in 32 bits.
std::optional<std::int32_t> RoundToMilliseconds(double value);

// Reads a decimal number: surrounding blanks, an optional sign, digits with an optional
// fraction, an optional exponent, and nothing else. Nothing when the text is not such a number
// or the number is too large for a double; one too close to zero for a double reads as zero.
std::optional<double> ParseDecimal(std::string_view text);

// Writes a number as the options dialog shows a start length: no decimal point when it is
// whole and no trailing zeros otherwise ("1", "5", "2.5").
std::string FormatNumber(double value);

}  // namespace zarlin
