#pragma once
// The numeric input rule: how an input box's text becomes a double.
// The full-width digits, point, signs and exponent letters a Japanese input
// method types read as their ASCII forms, and U+3000 is a blank. Blanks, tabs
// and line feeds are skipped wherever they stand; one leading sign, digits,
// one ".", an optional exponent; reading stops at the first character that
// cannot continue the number. Empty text reads as 0. Text that does not begin
// with a number, or that has a digit after the place where reading stopped
// ("1,000", "11:30"), cannot be read: a verdict must never rest on a misread
// box. The result is the correctly rounded double, whatever the process
// locale.

#include <string_view>

namespace calc {

enum class ReadFault {
  None,
  BeyondRange,  // a number too large for a double
  NotANumber,   // the text is not a number, or not only one
};

struct NumberReading {
  double value = 0;  // 0 unless the text was read
  ReadFault fault = ReadFault::None;
  explicit operator bool() const { return fault == ReadFault::None; }
};

// A number too small for the format reads as 0 or a subnormal.
NumberReading ReadNumber(std::u16string_view text);
NumberReading ReadNumber(std::string_view text);  // UTF-8

}  // namespace calc
