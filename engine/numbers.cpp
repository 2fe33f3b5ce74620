// Rounding, reading and writing of the game's numbers.
#include "numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace zarlin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the run of ASCII digits at the start of text.
std::size_t DigitRun(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  return n;
}

// Whether a number of the checked shape (digits, an optional fraction and exponent, no sign) is
// below one in size: its first significant digit stands after the decimal point.
bool BelowOne(std::string_view number) {
  const std::size_t whole = DigitRun(number);
  const std::size_t first = number.find_first_not_of("0.");
  if (first == std::string_view::npos || !IsDigit(number[first])) return true;  // all zeros
  // The power of ten of the first significant digit, before the exponent.
  const auto place = static_cast<std::ptrdiff_t>(whole) - static_cast<std::ptrdiff_t>(first) -
                     (first < whole ? 1 : 0);
  const std::size_t e = number.find_first_of("eE");
  if (e == std::string_view::npos) return place < 0;
  std::string_view exponent = number.substr(e + 1);
  const bool down = exponent.front() == '-';
  if (exponent.front() == '-' || exponent.front() == '+') exponent.remove_prefix(1);
  // Past a few thousand any exponent takes a double out of range, whatever the digits.
  std::ptrdiff_t shift = 0;
  for (char digit : exponent) shift = std::min<std::ptrdiff_t>(shift * 10 + (digit - '0'), 100000);
  return place + (down ? -shift : shift) < 0;
}

template <typename Int>
std::optional<Int> RoundTo(double value) {
  const double rounded = RoundHalfEven(value);
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

}  // namespace

double RoundHalfEven(double value) {
  const double nearest = std::round(value);  // halves away from zero
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return nearest;
}

std::optional<std::int16_t> RoundToInt16(double value) { return RoundTo<std::int16_t>(value); }

std::optional<std::int32_t> RoundToMilliseconds(double value) {
  return RoundTo<std::int32_t>(value);
}

std::optional<double> ParseDecimal(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);

  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }

  // Check the whole shape here, so that the conversion below reads every character.
  std::size_t at = DigitRun(text);
  std::size_t digits = at;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fraction = DigitRun(text.substr(at + 1));
    digits += fraction;
    at += 1 + fraction;
  }
  if (digits == 0) return std::nullopt;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponentDigits = DigitRun(text.substr(exponent));
    if (exponentDigits == 0) return std::nullopt;
    at = exponent + exponentDigits;
  }
  if (at != text.size()) return std::nullopt;

  double value = 0.0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  // A number too close to zero for a double reads as zero, its nearest; only one too large for
  // a double is no number the game can use.
  if (error == std::errc::result_out_of_range && BelowOne(text)) value = 0.0;
  else if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

std::string FormatNumber(double value) {
  if (value == 0.0) return "0";  // also for negative zero
  // The shortest fixed notation that reads back as the same number: at most 309 digits before
  // the point (the largest double) or 326 characters after a leading "0." (the smallest).
  std::array<char, 400> buffer{};
  const auto [end, error] =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed);
  if (error != std::errc{}) return "0";
  return std::string(buffer.data(), end);
}

}  // namespace zarlin
