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

// The same digits rounded up (any digit beyond the last place raises it) or
// to the nearest (half up), for positive values: a figure that reads 0.5601
// says 0.57, never 0.56; 0.56 itself stays 0.56.
std::u16string RoundUpToDecimals(double value, int places);
std::u16string RoundToDecimals(double value, int places);

}  // namespace calc
