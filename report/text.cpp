#include "report/text.h"

#include <array>
#include <cstdio>

#include "calc/number_text.h"

namespace report {

std::u16string Ascii(std::string_view text) {
  return std::u16string(text.begin(), text.end());
}

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone half of a pair
    }
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1F
                    : length == 3 ? lead & 0x0F
                                  : lead & 0x07;
    bool valid = length > 0 && i + static_cast<std::size_t>(length) <= text.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
      valid = (next >> 6) == 2;
      code = (code << 6) | (next & 0x3F);
    }
    if (!valid || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
      out += u'\uFFFD';
      ++i;
      continue;
    }
    if (code >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += static_cast<std::size_t>(length);
  }
  return out;
}

std::u16string Escape(std::u16string_view text) {
  std::u16string out;
  for (char16_t c : text) {
    switch (c) {
      case u'&':
        out += u"&amp;";
        break;
      case u'<':
        out += u"&lt;";
        break;
      case u'>':
        out += u"&gt;";
        break;
      case u'"':
        out += u"&quot;";
        break;
      case u'\'':
        out += u"&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::u16string Number(double value) {
  return calc::NumberToText16(value);
}

std::u16string Hex(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", value);
  return Ascii(text);
}

std::u16string Duration(std::optional<std::int64_t> minutes) {
  if (!minutes) return u"求められません";
  return Ascii(std::to_string(*minutes / 60)) + u"時間" + Ascii(std::to_string(*minutes % 60)) +
         u"分";
}

std::u16string ClockTime(int start, std::int64_t minutes) {
  constexpr std::int64_t kDay = 24 * 60;
  const std::int64_t at = start + minutes;
  const std::int64_t day = at / kDay, minute = at % kDay;
  const std::u16string prefix = day == 0   ? u""
                                : day == 1 ? u"翌日 "
                                           : Ascii(std::to_string(day)) + u"日後 ";
  const std::string mm = std::to_string(minute % 60);
  return prefix + Ascii(std::to_string(minute / 60)) + u":" + (mm.size() < 2 ? u"0" : u"") +
         Ascii(mm);
}

std::u16string DatedTime(analysis::CivilDate date, int start, std::int64_t minutes) {
  static constexpr std::array<std::u16string_view, 7> kWeekdays = {u"日", u"月", u"火", u"水",
                                                                   u"木", u"金", u"土"};
  const std::int64_t at = start + minutes;
  const analysis::CivilDate day = analysis::DateOf(analysis::DaysOf(date) + at / 1440);
  return Ascii(std::to_string(day.month)) + u"月" + Ascii(std::to_string(day.day)) + u"日(" +
         std::u16string(kWeekdays[static_cast<std::size_t>(analysis::Weekday(day))]) + u") " +
         ClockTime(static_cast<int>(at % 1440), 0);
}

std::u16string Grouped(std::int64_t value) {
  const std::string digits = std::to_string(value < 0 ? -value : value);
  std::u16string out = value < 0 ? u"-" : u"";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += u',';
    out += static_cast<char16_t>(digits[i]);
  }
  return out;
}

std::u16string Servings(std::int64_t cc, std::int64_t size) {
  const std::int64_t tenths = (cc * 20 + size) / (2 * size);  // cc / size to 0.1, halves up
  return Grouped(tenths / 10) + u"." + Ascii(std::to_string(tenths % 10));
}

}  // namespace report
