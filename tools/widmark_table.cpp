// widmark-table: one calculation per input line, for audits and for checking
// that every build gives the same bits.
//
// In:  lines of thirteen tab-separated texts, Text1 to Text13, as typed.
// Out: "<figure as %a>\t<figure text>\t<verdict>", or "error\t<reason>".
// With --detail, for the scenarios entered, cautious and most favourable in
// turn: "<figure as %a>\t<verdict>\t<minutes to the limit>\t<minutes to
// zero>", "-" where there is no answer, "error\t-\t-\t-" for a scenario that
// fails; or "error\t<reason>" for a line whose boxes cannot be read.
// The presence checks of the window are not made: every line is computed.

#include <array>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/analysis.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "calc/widmark.h"

namespace {

std::string Hex(double value) {
  std::array<char, 64> hex;
  std::snprintf(hex.data(), hex.size(), "%a", value);
  return hex.data();
}

std::string Minutes(const std::optional<std::int64_t>& minutes) {
  return minutes ? std::to_string(*minutes) : "-";
}

// The line's thirteen numbers, or why they cannot be had.
std::variant<calc::WidmarkInputs, std::string> Read(std::string_view line) {
  calc::WidmarkInputs inputs;
  std::size_t box = 0;
  for (std::size_t start = 0; start <= line.size(); ++box) {
    std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) tab = line.size();
    if (box == calc::kInputBoxes) return "error\tmore than 13 fields";
    const calc::NumberReading reading = calc::ReadNumber(line.substr(start, tab - start));
    if (!reading) {
      return "error\tText" + std::to_string(box + 1) +
             (reading.fault == calc::ReadFault::BeyondRange ? " beyond range" : " cannot be read");
    }
    inputs.*calc::kFieldOfBox[box] = reading.value;
    start = tab + 1;
  }
  if (box != calc::kInputBoxes) return "error\t" + std::to_string(box) + " fields, 13 expected";
  return inputs;
}

std::string Evaluate(const calc::WidmarkInputs& inputs) {
  const calc::BreathAlcoholResult result = calc::ComputeBreathAlcohol(inputs);
  if (!result) {
    return "error\t" + std::string(calc::StepName(result.fault->step)) + " " +
           std::string(calc::FaultKindName(result.fault->kind));
  }
  return Hex(result.figure) + "\t" + calc::NumberToText(result.figure) + "\t" +
         std::string(calc::VerdictName(calc::JudgeBreathAlcohol(result.figure)));
}

std::string Detail(const calc::WidmarkInputs& inputs) {
  std::string out;
  for (const calc::ScenarioAnalysis& a : calc::Analyse(inputs)) {
    if (!out.empty()) out += '\t';
    if (!a.result) {
      out += "error\t-\t-\t-";
      continue;
    }
    out += Hex(a.result.figure) + "\t" +
           std::string(calc::VerdictName(calc::JudgeBreathAlcohol(a.result.figure))) + "\t" +
           Minutes(a.minutesToLimit) + "\t" + Minutes(a.minutesToZero);
  }
  return out;
}

}  // namespace

int main(int argc, char* argv[]) {
  const bool detail = argc == 2 && std::strcmp(argv[1], "--detail") == 0;
  if (argc > 1 && !detail) {
    std::cerr << "usage: widmark-table [--detail] < lines\n";
    return 2;
  }
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto read = Read(line);
    if (const auto* failed = std::get_if<std::string>(&read)) {
      std::cout << *failed << '\n';
      continue;
    }
    const auto& inputs = std::get<calc::WidmarkInputs>(read);
    std::cout << (detail ? Detail(inputs) : Evaluate(inputs)) << '\n';
  }
  return 0;
}
