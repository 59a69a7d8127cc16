#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <random>

#include "calc/numeric_input.h"
#include "tests/case_name.h"

namespace {

using calc::NumberToText;

struct TextCase {
  double value;
  const char* text;
};

class TextRule : public testing::TestWithParam<TextCase> {};

TEST_P(TextRule, FifteenSignificantDigits) {
  EXPECT_EQ(NumberToText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, TextRule,
    testing::Values(
        TextCase{0.22748625920250004, "0.2274862592025"}, TextCase{0.2524862592, "0.2524862592"},
        TextCase{0.28998625920000004, "0.2899862592"}, TextCase{-0.4225137408, "-0.4225137408"},
        TextCase{0.15, "0.15"}, TextCase{0.7947, "0.7947"}, TextCase{0.78, "0.78"},
        TextCase{0.0, "0"}, TextCase{-0.0, "0"}, TextCase{5, "5"}, TextCase{15, "15"},
        TextCase{100, "100"}, TextCase{2000, "2000"}, TextCase{-1.5, "-1.5"},
        TextCase{0.1 + 0.2, "0.3"}, TextCase{1.0 / 3, "0.333333333333333"},
        TextCase{2.0 / 3, "0.666666666666667"}, TextCase{1234567.5, "1234567.5"},
        TextCase{123456789012345.67, "123456789012346"},
        TextCase{999999999999999, "999999999999999"},
        TextCase{999999999999999.9, "1E+15"},  // rounds up into the exponent form
        TextCase{1e15, "1E+15"}, TextCase{1.5e20, "1.5E+20"}, TextCase{-1.5e20, "-1.5E+20"},
        TextCase{1e300, "1E+300"}, TextCase{DBL_MAX, "1.79769313486232E+308"},
        TextCase{0.0001, "0.0001"}, TextCase{0.00012345, "0.00012345"},
        TextCase{0.000099999999999999995, "0.0001"},
        TextCase{9.99999999999999e-5, "9.99999999999999E-05"}, TextCase{2.5e-7, "2.5E-07"},
        TextCase{1e-100, "1E-100"}, TextCase{4.9406564584124654e-324, "4.94065645841247E-324"},
        TextCase{0.125, "0.125"}, TextCase{1.0000000000000049, "1"},
        TextCase{1.000000000000005, "1.00000000000001"}),
    [](const auto& info) { return testing_support::CaseName(info.param.value); });

// Whatever double is shown, reading the text back gives a double that shows
// the same, within half a unit of the fifteenth digit.
TEST(NumberText, RoundTripsThroughTheInputRule) {
  std::mt19937_64 random(20261208);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-320, 300);
  for (int i = 0; i < 20000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    const std::string text = NumberToText(value);
    const calc::NumberReading back = calc::ReadNumber(text);
    ASSERT_TRUE(back) << text;
    EXPECT_EQ(NumberToText(back.value), text) << value;
    if (std::fabs(value) > 1e-300) {
      EXPECT_LE(std::fabs(back.value - value), std::fabs(value) * 5.000001e-15) << text;
    }
  }
}

}  // namespace
