// Arbitrary bytes through the whole road of a calculation: the input rule
// (UTF-8 and UTF-16), the arithmetic, the verdict and the number-to-text
// rule. Any broken promise aborts.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "calc/widmark.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// A number read back from its own text shows the same text.
void CheckText(double value) {
  const std::string text = calc::NumberToText(value);
  Check(!text.empty() && text.size() <= 24);
  const calc::NumberReading back = calc::ReadNumber(text);
  Check(static_cast<bool>(back));
  Check(calc::NumberToText(back.value) == text);
}

// The same text as UTF-16: valid UTF-8 sequences decoded, any other byte
// becomes U+FFFD, which means nothing to the input rule either.
std::u16string Widen(std::string_view bytes) {
  std::u16string wide;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = lead < 0x80             ? 1
                         : (lead & 0xE0) == 0xC0 ? 2
                         : (lead & 0xF0) == 0xE0 ? 3
                                                 : 4;
    bool valid = lead < 0xF8 && i + length <= bytes.size() && ((lead & 0xC0) != 0x80);
    for (std::size_t k = 1; valid && k < length; ++k) valid = (byte(i + k) & 0xC0) == 0x80;
    if (!valid) {
      wide += u'\uFFFD';
      ++i;
      continue;
    }
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
    constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};  // shorter forms are overlong
    if (c < kLeast[length] || c > 0x10FFFF) {
      wide += u'\uFFFD';
      ++i;
      continue;
    }
    if (c >= 0x10000) {
      wide += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      wide += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      wide += static_cast<char16_t>(c);
    }
    i += length;
  }
  return wide;
}

double ReadBox(std::string_view text) {
  const calc::NumberReading utf8 = calc::ReadNumber(text);
  const calc::NumberReading utf16 = calc::ReadNumber(Widen(text));
  Check(utf8.fault == utf16.fault);
  if (!utf8) return 1;
  Check(std::isfinite(utf8.value));
  Check(std::memcmp(&utf8.value, &utf16.value, sizeof(double)) == 0);
  CheckText(utf8.value);
  return utf8.value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  // Thirteen tab-separated boxes; missing ones keep the window's defaults.
  calc::WidmarkInputs in{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000};
  std::size_t start = 0;
  for (std::size_t box = 0; box < calc::kInputBoxes && start <= bytes.size(); ++box) {
    std::size_t tab = bytes.find('\t', start);
    if (tab == std::string_view::npos) tab = bytes.size();
    in.*calc::kFieldOfBox[box] = ReadBox(bytes.substr(start, tab - start));
    start = tab + 1;
  }

  const calc::BreathAlcoholResult result = calc::ComputeBreathAlcohol(in);
  if (!result) return 0;
  Check(std::isfinite(result.figure));
  const calc::Verdict verdict = calc::JudgeBreathAlcohol(result.figure);
  Check((verdict == calc::Verdict::BelowZero) == (result.figure < 0));
  Check((verdict == calc::Verdict::Punishable) == (result.figure > 0.15));
  CheckText(result.figure);
  return 0;
}
