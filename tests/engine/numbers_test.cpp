// Rounding, reading and writing the game's numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/numbers.h"

namespace zarlin {
namespace {

TEST(Numbers, RoundingGoesHalfToEven) {
  const std::pair<double, double> cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},   {3.5, 4},
                                             {-0.5, -0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2},
                                             {2.5001, 3}, {7, 7},    {-7.2, -7}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

TEST(Numbers, RoundingToFixedWidthsRefusesWhatDoesNotFit) {
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
  EXPECT_EQ(RoundToInt16(std::nan("")), std::nullopt);
  EXPECT_EQ(RoundToMilliseconds(2147483647.0), 2147483647);
  EXPECT_EQ(RoundToMilliseconds(2147483647.5), std::nullopt);
  EXPECT_EQ(RoundToMilliseconds(std::numeric_limits<double>::infinity()), std::nullopt);
}

TEST(Numbers, ReadsDecimalNumbers) {
  const std::pair<const char*, double> cases[] = {
      {"1", 1},        {"  200  ", 200}, {"\t7", 7},     {"+3", 3},     {"-3", -3},
      {"007", 7},      {"2.50", 2.5},    {".5", 0.5},    {"5.", 5},     {"1e2", 100},
      {"1E+2", 100},   {"25e-1", 2.5},   {"-0", -0.0},   {"0.1", 0.1}};
  for (const auto& [text, expected] : cases) {
    const auto value = ParseDecimal(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_EQ(*value, expected) << text;
  }
}

TEST(Numbers, RefusesEverythingElse) {
  const char* cases[] = {"",     "  ",   "+",    "-",     ".",     "abc",   "12abc", "1,5",
                         "0x10", "inf",  "nan",  "1e400", "1e",    "1e+",   "--1",   "+-1",
                         "1 2",  "1..2", "١٢",   "1\n",   "e5",    "1.2.3", "\x01" "1"};
  for (const char* text : cases) EXPECT_EQ(ParseDecimal(text), std::nullopt) << text;
  EXPECT_EQ(ParseDecimal(std::string(1 << 20, '9')), std::nullopt);
  EXPECT_EQ(ParseDecimal("1" + std::string(300, '0')), 1e300);
}

TEST(Numbers, WritesStartLengthsWithoutNeedlessDigits) {
  const std::pair<double, const char*> cases[] = {
      {1, "1"}, {5, "5"}, {2.5, "2.5"}, {128, "128"}, {0, "0"}, {-0.0, "0"}, {-1.5, "-1.5"},
      {0.1, "0.1"}, {1e20, "100000000000000000000"}};
  for (const auto& [value, expected] : cases) EXPECT_EQ(FormatNumber(value), expected) << value;
}

}  // namespace
}  // namespace zarlin
