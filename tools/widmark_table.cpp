// widmark-table: one calculation per input line, for audits and for checking
// that every build gives the same bits.
//
// In:  lines of thirteen tab-separated texts, Text1 to Text13, as typed.
// Out: "<figure as %a>\t<figure text>\t<verdict>", or "error\t<reason>".
// The presence checks of the window are not made: every line is computed.

#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "calc/widmark.h"

namespace {

std::string Evaluate(std::string_view line) {
  calc::WidmarkInputs inputs;
  std::size_t box = 0;
  for (std::size_t start = 0; start <= line.size(); ++box) {
    std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) tab = line.size();
    if (box == calc::kInputBoxes) return "error\tmore than 13 fields";
    const auto value = calc::ReadNumber(line.substr(start, tab - start));
    if (!value) return "error\tText" + std::to_string(box + 1) + " beyond range";
    inputs.*calc::kFieldOfBox[box] = *value;
    start = tab + 1;
  }
  if (box != calc::kInputBoxes) return "error\t" + std::to_string(box) + " fields, 13 expected";

  const calc::BreathAlcoholResult result = calc::ComputeBreathAlcohol(inputs);
  if (!result) {
    return "error\t" + std::string(calc::StepName(result.fault->step)) + " " +
           std::string(calc::FaultKindName(result.fault->kind));
  }
  std::array<char, 64> hex;
  std::snprintf(hex.data(), hex.size(), "%a", result.figure);
  return std::string(hex.data()) + "\t" + calc::NumberToText(result.figure) + "\t" +
         std::string(calc::VerdictName(calc::JudgeBreathAlcohol(result.figure)));
}

}  // namespace

int main() {
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::cout << Evaluate(line) << '\n';
  }
  return 0;
}
