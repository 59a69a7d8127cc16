#include "form/phone_layout.h"

#include <algorithm>
#include <string>

namespace form {

// clang-format off
const std::array<PhonePlace, 62> kPhoneLayout = {{
    {"Label1", 1, 4},
    // The strength column's heading, over it; then each drink: its caption,
    // the amount with its unit, its strength with its unit.
    {"Label22", 3, 4},
    {"Label2", 1, 4},
    {"Text1", 1, 1}, {"Label11", 2, 2}, {"Text10", 3, 3}, {"Label23", 4, 4},
    {"Label3", 1, 4},
    {"Text2", 1, 1}, {"Label12", 2, 2}, {"Text11", 3, 3}, {"Label31", 4, 4},
    {"Label29", 1, 4},
    {"Text9", 1, 1}, {"Label30", 2, 2}, {"Text12", 3, 3}, {"Label32", 4, 4},
    {"Label4", 1, 4},
    {"Text3", 1, 1}, {"Label13", 2, 2},
    {"Label5", 1, 4},
    {"Text4", 1, 1}, {"Label14", 2, 2}, {"Text8", 3, 3}, {"Label27", 4, 4},
    {"Command1", 1, 2}, {"Command2", 3, 4},
    // The figure under its caption, with its unit.
    {"Label6", 1, 4},
    {"Label24", 1, 2}, {"Label18", 3, 4},
    {"Label20", 1, 4},
    {"Label7", 1, 4},
    // The method's values, each with its note.
    {"Label8", 1, 4}, {"Text5", 1, 2}, {"Label15", 3, 4},
    {"Label9", 1, 4}, {"Text6", 1, 2}, {"Label16", 3, 4},
    {"Label10", 1, 4}, {"Text7", 1, 2}, {"Label17", 3, 4},
    {"Label49", 1, 4}, {"Text13", 1, 2}, {"Label50", 3, 4},
    {"Command4", 1, 2}, {"Command7", 3, 4},
    {"Command11", 1, 4},
    {"Label33", 1, 4},
    {"Label41", 1, 4},
    {"Command10", 1, 4},
    {"Command9", 1, 4},
    {"Label40", 1, 4},
    {"Label42", 1, 4},
    {"Command5", 1, 2}, {"Command3", 3, 4},
    {"Label44", 1, 4},
    {"Label47", 1, 4},
    {"Label48", 1, 4},
    {"Label19", 1, 4},
    {"Label52", 1, 4},
    {"Label51", 1, 2}, {"Command8", 3, 4},
}};
// clang-format on

namespace {

bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\u3000' || c == u'\t' || c == u'\r' || c == u'\n';
}

}  // namespace

bool IsRead(std::string_view control) {
  return std::any_of(kPhoneLayout.begin(), kPhoneLayout.end(),
                     [control](const PhonePlace& place) { return place.control == control; });
}

std::u16string ReadableText(std::u16string_view caption) {
  std::u16string text;
  bool blank = false;
  for (const char16_t c : caption) {
    if (IsBlank(c)) {
      blank = true;
      continue;
    }
    if (blank && !text.empty()) text += u' ';
    blank = false;
    text += c;
  }
  return text;
}

bool IsDecorativeLine(std::u16string_view line) {
  return std::all_of(line.begin(), line.end(), [](char16_t c) { return IsBlank(c) || c == u'－'; });
}

bool IsEnglish(std::u16string_view caption) {
  bool letter = false;
  for (const char16_t c : caption) {
    if (IsBlank(c)) continue;
    if (c < 0x20 || c > 0x7E) return false;
    letter = letter || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
  }
  return letter;
}

}  // namespace form
