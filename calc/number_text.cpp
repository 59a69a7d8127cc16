#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "calc/decimal_conversion.h"

namespace calc {
namespace {

constexpr int kSignificantDigits = 15;
constexpr int kLargestPlainExponent = 14;   // 999999999999999 still plain
constexpr int kSmallestPlainExponent = -4;  // 0.0001 still plain

}  // namespace

std::string NumberToText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
  if (value == 0) return "0";  // negative zero shows as 0 too

  // d.dddddddddddddde±x, correctly rounded from the exact binary value.
  const std::string scientific = FormatScientific(std::fabs(value), kSignificantDigits - 1);
  const std::string_view sci(scientific);
  const std::size_t e = sci.find('e');
  std::string digits;
  digits += sci[0];
  digits += sci.substr(2, e - 2);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  int exponent = 0;
  const char* exponentText = sci.data() + e + 1;
  if (*exponentText == '+') ++exponentText;  // from_chars takes no plus sign
  std::from_chars(exponentText, sci.data() + sci.size(), exponent);

  std::string text = value < 0 ? "-" : "";
  if (exponent > kLargestPlainExponent || exponent < kSmallestPlainExponent) {
    text += digits[0];
    if (digits.size() > 1) (text += '.') += std::string_view(digits).substr(1);
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  } else if (exponent < 0) {
    text += "0.";
    text.append(static_cast<std::size_t>(-exponent - 1), '0');
    text += digits;
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      text += digits;
      text.append(whole - digits.size(), '0');
    } else {
      (text += std::string_view(digits).substr(0, whole)) += '.';
      text += std::string_view(digits).substr(whole);
    }
  }
  return text;
}

std::u16string NumberToText16(double value) {
  const std::string text = NumberToText(value);
  return std::u16string(text.begin(), text.end());  // ASCII only
}

}  // namespace calc

namespace calc {

namespace {

enum class Rounding { Cut, Up, Nearest };

// The shortest digits of a finite value to `places` decimals; Up and Nearest
// for positive values only (the callers' figures), Cut toward zero.
std::u16string ToDecimals(double value, int places, Rounding rounding) {
  if (!std::isfinite(value)) return NumberToText16(value);
  std::string digits, text;
  int exponent = 0;
  if (value != 0) {
    const std::string shortest = FormatShortest(std::fabs(value));  // "d.ddde+xx"
    const std::size_t e = shortest.find('e');
    for (std::size_t i = 0; i < e; ++i)
      if (shortest[i] != '.') digits += shortest[i];
    exponent = std::atoi(shortest.c_str() + e + 1);
  }
  // Digit i stands at 10^(exponent - i).
  const auto digit = [&](int power) {
    const int i = exponent - power;
    return i >= 0 && i < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(i)]
                                                         : '0';
  };
  for (int power = std::max(exponent, 0); power >= -places; --power) {
    if (power == -1) text += '.';
    text += digit(power);
  }
  // What lies beyond the last place: any digit at all, or half and more.
  bool carry = false;
  if (value > 0 && rounding == Rounding::Up) {
    for (int power = -places - 1; power >= exponent - static_cast<int>(digits.size()); --power)
      carry = carry || digit(power) != '0';
  } else if (value > 0 && rounding == Rounding::Nearest) {
    carry = digit(-places - 1) >= '5';
  }
  for (std::size_t i = text.size(); carry && i-- > 0;) {
    if (text[i] == '.') continue;
    carry = text[i] == '9';
    text[i] = carry ? '0' : static_cast<char>(text[i] + 1);
  }
  if (carry) text.insert(0, 1, '1');
  const bool zero = text.find_first_not_of("0.") == std::string::npos;
  if (value < 0 && !zero) text.insert(0, 1, '-');
  return std::u16string(text.begin(), text.end());
}

}  // namespace

std::u16string CutToDecimals(double value, int places) {
  return ToDecimals(value, places, Rounding::Cut);
}

std::u16string RoundUpToDecimals(double value, int places) {
  return ToDecimals(value, places, Rounding::Up);
}

std::u16string RoundToDecimals(double value, int places) {
  return ToDecimals(value, places, Rounding::Nearest);
}

}  // namespace calc
