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
  const auto back = calc::ReadNumber(text);
  Check(back.has_value());
  Check(calc::NumberToText(*back) == text);
}

double ReadBox(std::string_view text) {
  const auto utf8 = calc::ReadNumber(text);
  const std::u16string wide(text.begin(), text.end());  // bytes widened one to one
  const auto utf16 = calc::ReadNumber(wide);
  Check(utf8.has_value() == utf16.has_value());
  if (!utf8) return 1;
  Check(std::isfinite(*utf8));
  Check(std::memcmp(&*utf8, &*utf16, sizeof(double)) == 0);
  CheckText(*utf8);
  return *utf8;
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
