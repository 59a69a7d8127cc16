#pragma once
// The number-to-text rule: a double shown rounded to 15 significant digits,
// trailing zeros and a bare point dropped, "." and "-", no separators.
// Magnitudes of 1e15 and up, or below 1e-4, take an exponent ("1.5E+20").

#include <string>

namespace calc {

std::string NumberToText(double value);
std::u16string NumberToText16(double value);

// A finite value cut toward zero to `places` decimals, from the shortest
// digits that read back as it: a value below 0.15 never reads as 0.1500,
// and 0.15 itself does; "-" only before a nonzero digit. Other values by
// the rule above.
std::u16string CutToDecimals(double value, int places);

}  // namespace calc
