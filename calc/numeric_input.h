#pragma once
// The numeric input rule: how an input box's text becomes a double.
// Blanks, tabs and line feeds are skipped wherever they stand; one leading
// sign, digits, one ".", an optional exponent; reading stops at the first
// character that cannot continue the number. Text that does not begin with a
// number reads as 0. The result is the correctly rounded double, whatever the
// process locale.

#include <optional>
#include <string_view>

namespace calc {

// nullopt when the number is beyond the double range; a number too small for
// the format reads as 0 or a subnormal.
std::optional<double> ReadNumber(std::u16string_view text);
std::optional<double> ReadNumber(std::string_view text);  // ASCII or UTF-8

}  // namespace calc
