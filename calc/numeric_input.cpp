#include "calc/numeric_input.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <system_error>

#include "calc/decimal_conversion.h"

namespace calc {
namespace {

// More significant digits than any double needs to be rounded correctly
// (767 are enough); the rest only count as "something nonzero follows".
constexpr std::size_t kKeptDigits = 780;

// Exponents are clamped far outside the double range so that no count of
// digits or exponent characters can overflow the arithmetic.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

// Decimal numbers far outside these bounds need no conversion at all.
constexpr std::int64_t kOverflowPosition = 310;    // 0.d x 10^310 > DBL_MAX
constexpr std::int64_t kUnderflowPosition = -330;  // 0.d x 10^-330 < half the least subnormal

template <typename Char>
bool IsSkipped(Char c) {
  return c == Char(' ') || c == Char('\t') || c == Char('\n');
}

template <typename Char>
bool IsDigit(Char c) {
  return c >= Char('0') && c <= Char('9');
}

template <typename Char>
std::optional<double> Read(std::basic_string_view<Char> text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto skip = [&] {
    while (i < n && IsSkipped(text[i])) ++i;
  };

  skip();
  bool negative = false;
  if (i < n && (text[i] == Char('+') || text[i] == Char('-'))) {
    negative = text[i] == Char('-');
    ++i;
  }

  // The mantissa as 0.<digits> x 10^position, leading zeros dropped.
  std::array<char, kKeptDigits + 1> digits{};
  std::size_t kept = 0;
  bool sticky = false;    // a nonzero digit beyond those kept
  bool anyDigit = false;  // the text begins with a number
  bool seenPoint = false;
  std::int64_t position = 0;
  for (skip(); i < n; ++i, skip()) {
    const Char c = text[i];
    if (IsDigit(c)) {
      anyDigit = true;
      const char d = static_cast<char>('0' + (c - Char('0')));
      if (kept == 0 && d == '0') {
        if (seenPoint) --position;  // 0.00ddd: the digits start further right
        continue;
      }
      if (!seenPoint) ++position;
      if (kept < kKeptDigits)
        digits[kept++] = d;
      else if (d != '0')
        sticky = true;
      if (position > kExponentClamp) position = kExponentClamp;
      if (position < -kExponentClamp) position = -kExponentClamp;
    } else if (c == Char('.') && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return 0.0;

  // Exponent: "1e" and "1e+" read as 1, the letter and sign being ignored.
  if (i < n && (text[i] == Char('e') || text[i] == Char('E'))) {
    ++i;
    skip();
    bool negativeExponent = false;
    if (i < n && (text[i] == Char('+') || text[i] == Char('-'))) {
      negativeExponent = text[i] == Char('-');
      ++i;
    }
    std::int64_t exponent = 0;
    for (skip(); i < n && IsDigit(text[i]); ++i, skip()) {
      exponent = exponent * 10 + (text[i] - Char('0'));
      if (exponent > kExponentClamp) exponent = kExponentClamp;
    }
    position += negativeExponent ? -exponent : exponent;
  }

  const double zero = negative ? -0.0 : 0.0;
  while (kept > 0 && digits[kept - 1] == '0' && !sticky) --kept;
  if (kept == 0) return zero;
  if (position > kOverflowPosition) return std::nullopt;
  if (position < kUnderflowPosition) return zero;

  // "0.<digits>[1]e<position>" is what the conversion rounds correctly.
  std::array<char, kKeptDigits + 40> buffer;
  char* out = buffer.data();
  *out++ = '0';
  *out++ = '.';
  for (std::size_t k = 0; k < kept; ++k) *out++ = digits[k];
  if (sticky) *out++ = '1';
  *out++ = 'e';
  out = std::to_chars(out, buffer.data() + buffer.size(), position).ptr;

  const std::optional<double> converted =
      ParseDecimal(std::string_view(buffer.data(), static_cast<std::size_t>(out - buffer.data())));
  if (!converted) {
    if (position > 0) return std::nullopt;
    return zero;
  }
  const double value = *converted;
  return negative ? -value : value;
}

}  // namespace

std::optional<double> ReadNumber(std::u16string_view text) {
  return Read(text);
}
std::optional<double> ReadNumber(std::string_view text) {
  return Read(text);
}

}  // namespace calc
