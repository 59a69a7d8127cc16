#ifndef _POSIX_C_SOURCE
#define _POSIX_C_SOURCE 200809L  // newlocale and uselocale
#endif
#include "calc/decimal_conversion.h"

#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <system_error>

#if (defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L) && \
    !defined(WIDMARK_C_CONVERSIONS)
#define WIDMARK_STD_CONVERSIONS 1
#else
#include <locale.h>

#include <cstdio>
#include <cstdlib>
#endif

namespace calc {

#ifdef WIDMARK_STD_CONVERSIONS

std::optional<double> ParseDecimal(std::string_view text) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc::result_out_of_range) return std::nullopt;
  return value;
}

std::string FormatScientific(double value, int fraction) {
  std::array<char, 40> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific, fraction);
  return std::string(buffer.data(), result.ptr);
}

std::string FormatShortest(double value) {
  std::array<char, 40> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::scientific);
  return std::string(buffer.data(), result.ptr);
}

#else

namespace {

// Qt, for one, sets the user's locale at start; "," would then be the point.
class CLocaleScope {
 public:
  CLocaleScope() : m_previous(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(m_previous); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
  }
  locale_t m_previous;
};

}  // namespace

std::optional<double> ParseDecimal(std::string_view text) {
  const std::string terminated(text);
  const CLocaleScope c;
  const double value = std::strtod(terminated.c_str(), nullptr);
  if (value == 0 || value == std::numeric_limits<double>::infinity()) return std::nullopt;
  return value;
}

std::string FormatScientific(double value, int fraction) {
  std::array<char, 40> buffer;
  const CLocaleScope c;
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.*e", fraction, value);
  return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::string FormatShortest(double value) {
  // Each length correctly rounded in turn; the first that reads back is the
  // nearest of the shortest, as std::to_chars gives it.
  std::string text;
  for (int fraction = 0; fraction <= 16; ++fraction) {
    text = FormatScientific(value, fraction);
    const CLocaleScope c;
    if (std::strtod(text.c_str(), nullptr) == value) break;
  }
  return text;
}

#endif

}  // namespace calc
