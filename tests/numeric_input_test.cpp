#include "calc/numeric_input.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

#include "calc/decimal_conversion.h"
#include "calc/number_text.h"
#include "tests/case_name.h"
#include "tests/utf8.h"

namespace {

using calc::ReadFault;
using calc::ReadNumber;

struct InputCase {
  const char* name;
  std::u16string text;
  double value;  // compared bit for bit, so the sign of zero counts
};

class InputRule : public testing::TestWithParam<InputCase> {};

TEST_P(InputRule, ReadsTheCorrectlyRoundedDouble) {
  const InputCase& c = GetParam();
  const calc::NumberReading reading = ReadNumber(c.text);
  ASSERT_EQ(reading.fault, ReadFault::None);
  EXPECT_EQ(std::signbit(reading.value), std::signbit(c.value));
  EXPECT_EQ(reading.value, c.value);

  // The UTF-8 reading agrees with the UTF-16 one.
  const calc::NumberReading reading8 = ReadNumber(testing_support::Utf8(c.text));
  ASSERT_EQ(reading8.fault, ReadFault::None);
  EXPECT_EQ(reading8.value, c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Numeric, InputRule,
    testing::Values(
        InputCase{"Empty", u"", 0.0}, InputCase{"BlanksOnly", u" \t\u3000", 0.0},
        InputCase{"Plain", u"200", 200}, InputCase{"Gravity", u"0.7947", 0.7947},
        InputCase{"BlanksEverywhere", u" 2 0\t0 \n", 200},
        InputCase{"BlanksInFraction", u"0. 7 9", 0.79}, InputCase{"Plus", u"+5", 5},
        InputCase{"Minus", u"-5", -5}, InputCase{"SpaceAfterSign", u"- 5", -5},
        InputCase{"TrailingSign", u"5-", 5}, InputCase{"LeadingPoint", u".5", 0.5},
        InputCase{"TrailingPoint", u"5.", 5}, InputCase{"NegativeZero", u"-0", -0.0},
        InputCase{"LeadingZeros", u"000123", 123},
        InputCase{"ZerosAfterPoint", u"0.000120", 0.00012}, InputCase{"Exponent", u"1e3", 1000},
        InputCase{"CapitalExponent", u"1E3", 1000}, InputCase{"PlusExponent", u"1e+3", 1000},
        InputCase{"MinusExponent", u"2.5e-3", 0.0025}, InputCase{"ExponentCutShort", u"1e", 1},
        InputCase{"ExponentSignOnly", u"1e+", 1}, InputCase{"ExponentMinusOnly", u"7e-", 7},
        InputCase{"SpacedExponent", u"1 e - 3", 0.001},
        InputCase{"NumberThenLetters", u"12abc", 12}, InputCase{"Cc", u"200cc", 200},
        InputCase{"Hours", u"2.5時間", 2.5}, InputCase{"Kg", u"70kg", 70},
        InputCase{"CarriageReturnAfter", u"1\r", 1},
        // What a Japanese input method types reads as its ASCII form.
        InputCase{"FullWidthDigits", u"２００", 200}, InputCase{"FullWidthPoint", u"２．５", 2.5},
        InputCase{"FullWidthThousand", u"１０５０", 1050},
        InputCase{"FullWidthWithUnit", u"３５０ｍｌ", 350},
        InputCase{"FullWidthSpaceFirst", u"\u30001", 1},
        InputCase{"FullWidthBlanksBetween", u"１\u3000０", 10},
        InputCase{"FullWidthMinus", u"\uFF0D1", -1}, InputCase{"MinusSign", u"\u22125", -5},
        InputCase{"FullWidthPlus", u"\uFF0B５", 5}, InputCase{"FullWidthExponent", u"１ｅ３", 1000},
        InputCase{"FullWidthCapitalExponent", u"２．５Ｅ－３", 0.0025},
        InputCase{"MixedWidths", u"1０.５", 10.5}, InputCase{"ZeroHugeExponent", u"0e999999", 0.0},
        InputCase{"Underflow", u"1e-400", 0.0}, InputCase{"NegativeUnderflow", u"-1e-400", -0.0},
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

// Each text either has no number at all or more than one; reading it as 0 or
// as its first number would put a verdict on a misread box.
struct FaultCase {
  std::u16string_view text;  // may hold a NUL
  ReadFault fault;
};

class ReadFaults : public testing::TestWithParam<FaultCase> {};

// Malformed UTF-8 (a "0" or "5" in overlong form) is never a digit.
TEST(Numeric, OverlongUtf8IsNoDigit) {
  EXPECT_EQ(ReadNumber(std::string_view("1\xE0\x80\xB0")).value, 1);
  EXPECT_EQ(ReadNumber(std::string_view("\xE0\x80\xB5")).fault, ReadFault::NotANumber);
}

TEST_P(ReadFaults, AreReportedNotGuessed) {
  EXPECT_EQ(ReadNumber(GetParam().text).fault, GetParam().fault);
  EXPECT_EQ(ReadNumber(testing_support::Utf8(GetParam().text)).fault, GetParam().fault);
}

constexpr ReadFault kNaN = ReadFault::NotANumber;
constexpr ReadFault kRange = ReadFault::BeyondRange;

INSTANTIATE_TEST_SUITE_P(
    Numeric, ReadFaults,
    testing::Values(FaultCase{u"abc", kNaN}, FaultCase{u"あ", kNaN}, FaultCase{u"三百", kNaN},
                    FaultCase{u"-", kNaN}, FaultCase{u"\uFF0D", kNaN}, FaultCase{u".", kNaN},
                    FaultCase{u"--5", kNaN}, FaultCase{u"+-5", kNaN}, FaultCase{u"nan", kNaN},
                    FaultCase{u"inf", kNaN}, FaultCase{u"e3", kNaN}, FaultCase{u".e3", kNaN},
                    FaultCase{u"約200", kNaN}, FaultCase{u"1,000", kNaN}, FaultCase{u"1,5", kNaN},
                    FaultCase{u"１，０００", kNaN}, FaultCase{u"11:30", kNaN},
                    FaultCase{u"1.2.3", kNaN}, FaultCase{u"1.5.5", kNaN}, FaultCase{u"0x10", kNaN},
                    FaultCase{u"1\r2", kNaN}, FaultCase{u"1e2x5", kNaN}, FaultCase{u"1e2e3", kNaN},
                    FaultCase{u"1e+-5", kNaN}, FaultCase{u"200cc5", kNaN},
                    FaultCase{u"1e999,5", kNaN}, FaultCase{u"1e999", kRange},
                    FaultCase{u"-1e999", kRange}, FaultCase{u"1e309", kRange},
                    FaultCase{u"1.7976931348623159e308", kRange},
                    FaultCase{u"1e99999999999999999999999999", kRange},
                    FaultCase{u" 9 9e 3 0 8", kRange}, FaultCase{u"１ｅ９９９", kRange},
                    // A NUL inside a pasted text does not end it: "1", NUL, "2" is two numbers.
                    FaultCase{std::u16string_view(u"1\0 2", 4), kNaN}),
    [](const auto& info) {
      // Japanese texts have no ASCII name of their own: the row number keeps names apart.
      return (info.param.fault == kRange ? "BeyondRange" : "NotANumber") +
             std::to_string(info.index) + "_" +
             testing_support::CaseName(testing_support::Utf8(info.param.text));
    });

// The C library's conversions follow the process locale unless kept to "C";
// a comma locale must change neither reading nor writing.
TEST(Numeric, LocaleDoesNotChangeThePoint) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
      << "de_DE.UTF-8 is missing: scripts/deps.sh test installs it";
  EXPECT_EQ(ReadNumber(u"0.7947").value, 0.7947);
  EXPECT_EQ(ReadNumber(u"0,7947").fault, ReadFault::NotANumber);
  EXPECT_EQ(calc::NumberToText(0.2524862592), "0.2524862592");
  EXPECT_EQ(calc::NumberToText(1.5e300), "1.5E+300");
  EXPECT_EQ(calc::FormatScientific(0.25, 2), "2.50e-01");  // as promised, whatever the locale
  std::setlocale(LC_ALL, "C");
}

TEST(Numeric, MegabyteOfDigitsAndBlanks) {
  std::u16string text;
  for (int i = 0; i < 250'000; ++i) text += u"12 3";
  // 750,000 digits before the point are far beyond the double range...
  EXPECT_EQ(ReadNumber(text).fault, ReadFault::BeyondRange);
  // ...but after "0." they are an ordinary fraction.
  EXPECT_EQ(ReadNumber(u"0." + text).value, 0.12312312312312312);
}

}  // namespace
