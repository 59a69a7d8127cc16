#pragma once
// Small pieces of text the panel and the sheet are made of: ASCII and
// UTF-8 conversions, HTML escaping, exact figures, durations and servings.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/morning.h"

namespace report {

std::u16string Ascii(std::string_view text);
std::string Utf8(std::u16string_view text);
// UTF-8 as UTF-16; a malformed byte becomes U+FFFD.
std::u16string FromUtf8(std::string_view text);

// Text for an element's content or an attribute's value: & < > " ' escaped.
std::u16string Escape(std::u16string_view text);

// The number-to-text rule's text, and C99 %a for checking against the tool.
std::u16string Number(double value);
std::u16string Hex(double value);

// Whole minutes as 7時間12分; "求められません" where there are none.
std::u16string Duration(std::optional<std::int64_t> minutes);

// The clock time `minutes` after `start` (minutes after midnight): "7:12",
// "翌日 7:12" on the next day, "2日後 7:12" after that.
std::u16string ClockTime(int start, std::int64_t minutes);
// The same on a known day, with the date and weekday: "12月10日(木) 5:57".
std::u16string DatedTime(analysis::CivilDate date, int start, std::int64_t minutes);

// cc as "2,345", with thousands separators for reading.
std::u16string Grouped(std::int64_t value);

// How many servings of `size` cc make `cc`, to one decimal (halves up).
std::u16string Servings(std::int64_t cc, std::int64_t size);

}  // namespace report
