#pragma once
// Correctly rounded conversions between decimal text and double. Where the
// standard library has std::from_chars and std::to_chars for double (tested
// by its feature macro, not by compiler) they are used; elsewhere (libc++ 14,
// as in Debian's Emscripten) the C library's strtod and snprintf, always in
// the "C" locale, whatever locale the process runs in. Both give the same
// bits.

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The double nearest a decimal number with a nonzero digit, written as
// digits, one point and an exponent ("0.123e-4"); nullopt when it lies
// beyond the double range or rounds to zero.
std::optional<double> ParseDecimal(std::string_view text);

// "d.ddde+xx": one digit, `fraction` digits after the point, a signed
// exponent of at least two digits; value must be finite and positive.
std::string FormatScientific(double value, int fraction);

// "d.ddde+xx" with the fewest digits that read back as the same finite
// value (of several such, the nearest).
std::string FormatShortest(double value);

}  // namespace calc
