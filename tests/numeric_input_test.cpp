#include "calc/numeric_input.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

#include "tests/case_name.h"
#include "tests/utf8.h"

namespace {

using calc::ReadNumber;

struct InputCase {
  const char* name;
  std::u16string text;
  double value;  // compared bit for bit, so the sign of zero counts
};

class InputRule : public testing::TestWithParam<InputCase> {};

TEST_P(InputRule, ReadsTheCorrectlyRoundedDouble) {
  const InputCase& c = GetParam();
  const auto value = ReadNumber(c.text);
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(std::signbit(*value), std::signbit(c.value));
  EXPECT_EQ(*value, c.value);

  // The UTF-8 reading agrees with the UTF-16 one.
  const auto value8 = ReadNumber(testing_support::Utf8(c.text));
  ASSERT_TRUE(value8.has_value());
  EXPECT_EQ(*value8, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, InputRule,
    testing::Values(
        InputCase{"Empty", u"", 0.0}, InputCase{"Plain", u"200", 200},
        InputCase{"Gravity", u"0.7947", 0.7947}, InputCase{"BlanksEverywhere", u" 2 0\t0 \n", 200},
        InputCase{"BlanksInFraction", u"0. 7 9", 0.79}, InputCase{"Plus", u"+5", 5},
        InputCase{"Minus", u"-5", -5}, InputCase{"SpaceAfterSign", u"- 5", -5},
        InputCase{"TwoSigns", u"--5", 0.0}, InputCase{"MixedSigns", u"+-5", 0.0},
        InputCase{"TrailingSign", u"5-", 5}, InputCase{"TwoPoints", u"1.5.5", 1.5},
        InputCase{"LeadingPoint", u".5", 0.5}, InputCase{"TrailingPoint", u"5.", 5},
        InputCase{"PointOnly", u".", 0.0}, InputCase{"SignOnly", u"-", 0.0},
        InputCase{"NegativeZero", u"-0", -0.0}, InputCase{"LeadingZeros", u"000123", 123},
        InputCase{"ZerosAfterPoint", u"0.000120", 0.00012}, InputCase{"Exponent", u"1e3", 1000},
        InputCase{"CapitalExponent", u"1E3", 1000}, InputCase{"PlusExponent", u"1e+3", 1000},
        InputCase{"MinusExponent", u"2.5e-3", 0.0025}, InputCase{"ExponentCutShort", u"1e", 1},
        InputCase{"ExponentSignOnly", u"1e+", 1}, InputCase{"ExponentMinusOnly", u"7e-", 7},
        InputCase{"SpacedExponent", u"1 e - 3", 0.001},
        InputCase{"ExponentThenText", u"1e2x5", 100}, InputCase{"ExponentTwice", u"1e2e3", 100},
        InputCase{"ExponentWithoutMantissa", u"e3", 0.0}, InputCase{"PointExponent", u".e3", 0.0},
        InputCase{"Letters", u"abc", 0.0}, InputCase{"NumberThenLetters", u"12abc", 12},
        InputCase{"Comma", u"1,5", 1}, InputCase{"Infinity", u"inf", 0.0},
        InputCase{"NaN", u"nan", 0.0}, InputCase{"Hex", u"0x10", 0.0},
        InputCase{"CarriageReturnStops", u"1\r2", 1},
        InputCase{"FullWidthDigits", u"\uFF11\uFF12", 0.0},
        InputCase{"FullWidthSpaceFirst", u"\u30001", 0.0},
        InputCase{"FullWidthMinus", u"\uFF0D1", 0.0},
        InputCase{"ZeroHugeExponent", u"0e999999", 0.0}, InputCase{"Underflow", u"1e-400", 0.0},
        InputCase{"NegativeUnderflow", u"-1e-400", -0.0},
        InputCase{"BelowHalfSubnormal", u"2e-324", 0.0},
        InputCase{"LeastSubnormal", u"4.9e-324", 4.9406564584124654e-324},
        InputCase{"Subnormal", u"1e-310", 1e-310},
        InputCase{"Largest", u"1.7976931348623157e308", DBL_MAX},
        InputCase{"LongMantissa", u"123456789012345678901234567890", 1.2345678901234568e29},
        InputCase{"TieToEven", u"9007199254740993", 9007199254740992.0},
        InputCase{"ManyZerosThenDigit", u"9007199254740993" + std::u16string(900, u'0') + u"1e-901",
                  9007199254740994.0},
        InputCase{"PastedLineFeed", u"1\n5", 15},
        InputCase{"TieWithZerosPastKeptDigits",
                  u"9007199254740993" + std::u16string(800, u'0') + u"e-800", 9007199254740992.0},
        InputCase{"HugeExponentOfTinyNumber", u"0." + std::u16string(400, u'0') + u"1e400", 0.1},
        InputCase{"ExponentOverflowsCounter", u"1e-99999999999999999999999999", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

class BeyondRange : public testing::TestWithParam<const char16_t*> {};

TEST_P(BeyondRange, IsAFailureNotInfinity) {
  EXPECT_FALSE(ReadNumber(GetParam()).has_value());
}

INSTANTIATE_TEST_SUITE_P(Numeric, BeyondRange,
                         testing::Values(u"1e999", u"-1e999", u"1e309", u"1.7976931348623159e308",
                                         u"1e99999999999999999999999999", u" 9 9e 3 0 8"),
                         [](const auto& info) {
                           return testing_support::CaseName(testing_support::Utf8(info.param));
                         });

TEST(Numeric, LocaleDoesNotChangeThePoint) {
  const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (set == nullptr) set = std::setlocale(LC_ALL, "fr_FR.UTF-8");
  EXPECT_EQ(ReadNumber(u"0.7947"), 0.7947);
  EXPECT_EQ(ReadNumber(u"0,7947"), 0.0);
  std::setlocale(LC_ALL, "C");
}

TEST(Numeric, MegabyteOfDigitsAndBlanks) {
  std::u16string text;
  for (int i = 0; i < 250'000; ++i) text += u"12 3";
  // 750,000 digits before the point are far beyond the double range...
  EXPECT_FALSE(ReadNumber(text).has_value());
  // ...but after "0." they are an ordinary fraction.
  EXPECT_EQ(ReadNumber(u"0." + text), 0.12312312312312312);
}

}  // namespace
