// widmark-table: one calculation per input line, for audits and for checking
// that every build gives the same bits.
//
// In:  lines of thirteen tab-separated texts, Text1 to Text13, as typed.
// Out: "<figure as %a>\t<figure text>\t<verdict>", or "error\t<reason>".
// --detail: for the scenarios entered, cautious, most favourable and court
//   in turn, "<figure as %a>\t<verdict>\t<minutes to the limit>\t<minutes to
//   zero>", "-" where there is no answer, "error\t-\t-\t-" for a scenario
//   that fails.
// --amounts: for the same four scenarios, the greatest whole cc of sake,
//   beer and other drinks that stays at or below the limit, or "-"; then,
//   in the same order, the least whole cc at which the figure is 0.15 or
//   more (the court's "c cc 以上で0.15以上"), or "-".
// --back: lines of sixteen texts, the thirteen boxes then the measured
//   figure and the hours and minutes from driving to the test, or eighteen
//   with a drink taken after driving, its cc and its percent (blank cc: no
//   such drink; blank percent: 0); for the conditions entered, most
//   favourable and least favourable, the figure at driving ("%a" or
//   "error") and its verdict (or "-"); then where the measured figure stands
//   against the forward figures at the test ("within", "above", "below", or
//   "-"); then the corners of the lowest and the highest figure,
//   "rate/r/ratio" with a later drink, "rate/ratio" without ("-" for none).
// --absorb: lines of the thirteen boxes, then optionally the drinking time
//   (hours, minutes), the measured figure and the delay from driving to the
//   test (hours, minutes), a drink after driving (cc, %, minutes after
//   driving) and the model's four ranges (half-lives fast and slow in
//   minutes, deficits low and high in %), empty fields meaning 0 for times,
//   no test, no later drink and the defaults; out, the absorption model's
//   twelve fields (--help names them), "error\t<reason>" where it stops.
// --official: lines of the thirteen boxes, then one or two sets of the
//   prosecution's values, six fields each (label, r, elimination, ratio,
//   gravity, stated figure; a set counts where r, elimination and ratio are
//   given); out, six fields a set: our figure, its verdict, match-round,
//   match-cut or differ (- without a stated figure), ours minus theirs, and
//   the r alone and the elimination alone that give their figure.
// --sheet: one line as for --back (13, 16 or 18 fields), then optional
//   key=value lines (--help lists the keys), becomes the calculation sheet,
//   one self-contained HTML file, with its reproducing link and QR code.
// A line whose texts cannot be read gives "error\t<field> cannot be read"
// (or "beyond range"). The presence checks of the window are not made.
// --help lists each mode's fields; --header prints the output's field names
// first; --decimal writes figures by the window's number-to-text rule (-0 as
// 0) instead of %a.

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analysis/absorption.h"
#include "analysis/back_calculation.h"
#include "analysis/case.h"
#include "analysis/limit_amounts.h"
#include "analysis/official.h"
#include "analysis/scenarios.h"
#include "calc/input_boxes.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "calc/widmark.h"
#include "report/sheet.h"
#include "report/text.h"

#ifdef WIDMARK_QRENCODE
#include <qrencode.h>
#endif

namespace {

enum class Mode { Figure, Detail, Amounts, Back, Absorb, Official, Sheet };

bool g_decimal = false;  // --decimal

std::string Hex(double value) {
  std::array<char, 64> hex;
  std::snprintf(hex.data(), hex.size(), "%a", value);
  return hex.data();
}

// A figure field: exact (%a), or with --decimal as the window shows it.
std::string Figure(double value) {
  return g_decimal ? calc::NumberToText(value) : Hex(value);  // -0 shows as 0
}

std::string Minutes(const std::optional<std::int64_t>& minutes) {
  return minutes ? std::to_string(*minutes) : "-";
}

struct Line {
  calc::WidmarkInputs inputs;
  std::optional<analysis::BackInputs> back;
};

constexpr std::array<const char*, 5> kBackFields = {"BackMeasured", "BackHours", "BackMinutes",
                                                    "PostAmount", "PostStrength"};

// Blanks only: spaces, as typed half-width or full-width (U+3000).
bool Blank(std::string_view text) {
  constexpr std::string_view kFullWidth = "\xE3\x80\x80";
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == ' ') {
      ++i;
    } else if (text.substr(i, kFullWidth.size()) == kFullWidth) {
      i += kFullWidth.size();
    } else {
      return false;
    }
  }
  return true;
}

// The line's numbers, or why they cannot be had: thirteen fields, or
// sixteen (or eighteen, with a later drink) where the mode takes the
// back-calculation's.
std::variant<Line, std::string> Read(std::string_view line, Mode mode) {
  const std::size_t least = mode == Mode::Back ? 16 : calc::kInputBoxes;
  const std::size_t most = mode == Mode::Back || mode == Mode::Sheet ? 18 : calc::kInputBoxes;
  Line read;
  std::array<double, 5> back{};
  bool later = false;
  std::size_t field = 0;
  for (std::size_t start = 0; start <= line.size(); ++field) {
    std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) tab = line.size();
    if (field == most) return "error\tmore than " + std::to_string(most) + " fields";
    const std::string_view text = line.substr(start, tab - start);
    if (field == 16) later = !Blank(text);
    const calc::NumberReading reading = calc::ReadNumber(text);
    if (!reading) {
      const std::string name = field < calc::kInputBoxes ? "Text" + std::to_string(field + 1)
                                                         : kBackFields[field - calc::kInputBoxes];
      return "error\t" + name +
             (reading.fault == calc::ReadFault::BeyondRange ? " beyond range" : " cannot be read");
    }
    if (field < calc::kInputBoxes)
      read.inputs.*calc::kFieldOfBox[field] = reading.value;
    else
      back[field - calc::kInputBoxes] = reading.value;
    start = tab + 1;
  }
  if (field != least && field != most && !(mode != Mode::Figure && field == 16)) {
    return "error\t" + std::to_string(field) + " fields, " + std::to_string(least) + " expected";
  }
  if (field >= 16) read.back = analysis::BackInputs{back[0], back[1], back[2], std::nullopt};
  if (later) read.back->later = analysis::LaterDrink{back[3], back[4]};
  return read;
}

std::string Evaluate(const calc::WidmarkInputs& inputs) {
  const calc::BreathAlcoholResult result = calc::ComputeBreathAlcohol(inputs);
  if (!result) {
    return "error\t" + std::string(calc::StepName(result.fault->step)) + " " +
           std::string(calc::FaultKindName(result.fault->kind));
  }
  return Figure(result.figure) + "\t" + calc::NumberToText(result.figure) + "\t" +
         std::string(calc::VerdictName(calc::JudgeBreathAlcohol(result.figure)));
}

std::string Detail(const analysis::Case& c) {
  std::string out;
  for (const analysis::ScenarioAnalysis& a : c.scenarios) {
    if (!out.empty()) out += '\t';
    if (!a.result) {  // the analysis gives such a scenario no minutes; shown as it gives them
      out += "error\t-\t" + Minutes(a.minutesToLimit) + "\t" + Minutes(a.minutesToZero);
      continue;
    }
    out += Figure(a.result.figure) + "\t" +
           std::string(calc::VerdictName(calc::JudgeBreathAlcohol(a.result.figure))) + "\t" +
           Minutes(a.minutesToLimit) + "\t" + Minutes(a.minutesToZero);
  }
  return out;
}

std::string Amounts(const analysis::Case& c) {
  std::string out;
  for (const analysis::AmountRow& row : c.amounts) {
    for (const analysis::AmountCell& cell : row) {
      if (!out.empty()) out += '\t';
      out += Minutes(cell.most.cc);
    }
  }
  for (const analysis::AmountRow& row : c.amounts) {
    for (const analysis::AmountCell& cell : row) {
      out += '\t';
      out += Minutes(cell.least);
    }
  }
  return out;
}

std::string Back(const analysis::Case& c) {
  const analysis::BackAnalysis& a = *c.back;
  const analysis::BackInputs& back = *c.inputs.back;
  std::string out;
  for (const analysis::BackFigure& f : a.figures) {
    if (!f.atDriving) {
      out += "error\t-\t";
      continue;
    }
    out += Figure(f.atDriving.figure) + "\t" +
           std::string(calc::VerdictName(calc::JudgeBreathAlcohol(f.atDriving.figure))) + "\t";
  }
  out += std::string(analysis::CrossCheckName(a.crossCheck));
  // Which corners gave the lowest and the highest figure.
  for (const analysis::BackFigure* f : {&a.figures[1], &a.figures[2]}) {
    out += '\t';
    if (!f->atDriving) {
      out += '-';
      continue;
    }
    out += calc::NumberToText(f->corner.eliminationRate) + "/";
    if (back.later) out += calc::NumberToText(*f->corner.distributionFactor) + "/";
    out += calc::NumberToText(f->corner.breathRatio);
  }
  return out;
}

// A line's tab-separated texts, as views into it.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> texts;
  for (std::size_t start = 0; start <= line.size();) {
    std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) tab = line.size();
    texts.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  return texts;
}

// The absorption model's fields after the thirteen boxes, in their order.
constexpr std::array<const char*, 12> kAbsorbFields = {
    "DrinkingHours", "DrinkingMinutes", "BackMeasured", "BackHours",  "BackMinutes", "PostAmount",
    "PostStrength",  "PostMinutes",     "AbsorbFast",   "AbsorbSlow", "DeficitLow",  "DeficitHigh"};

// One --absorb line: the model's twelve fields, or error and why.
std::string Absorb(std::string_view line) {
  std::vector<std::string_view> texts = Fields(line);
  constexpr std::size_t kMost = calc::kInputBoxes + kAbsorbFields.size();
  if (texts.size() < calc::kInputBoxes || texts.size() > kMost) {
    return "error\t" + std::to_string(texts.size()) + " fields, " +
           std::to_string(calc::kInputBoxes) + " to " + std::to_string(kMost) + " expected";
  }
  texts.resize(kMost);
  std::array<std::optional<double>, kMost> values;
  for (std::size_t i = 0; i < kMost; ++i) {
    if (i >= calc::kInputBoxes && Blank(texts[i])) continue;
    const calc::NumberReading reading = calc::ReadNumber(texts[i]);
    if (!reading) {
      const std::string name = i < calc::kInputBoxes ? "Text" + std::to_string(i + 1)
                                                     : kAbsorbFields[i - calc::kInputBoxes];
      return "error\t" + name +
             (reading.fault == calc::ReadFault::BeyondRange ? " beyond range" : " cannot be read");
    }
    values[i] = reading.value;
  }
  analysis::AbsorptionInputs in;
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i) in.entered.*calc::kFieldOfBox[i] = *values[i];
  const auto field = [&](std::size_t i, double otherwise) {
    return values[calc::kInputBoxes + i].value_or(otherwise);
  };
  in.drinkingHours = field(0, 0);
  in.drinkingMinutes = field(1, 0);
  if (values[calc::kInputBoxes + 2]) {
    in.measured = field(2, 0);
    in.delayHours = field(3, 0);
    in.delayMinutes = field(4, 0);
  }
  if (values[calc::kInputBoxes + 5]) {
    in.later = analysis::LaterDrink{field(5, 0), field(6, 0)};
    in.laterAfterDriving = field(7, 0);
  }
  const analysis::AbsorptionRanges defaults;
  in.ranges = {field(8, defaults.fast), field(9, defaults.slow), field(10, defaults.low),
               field(11, defaults.high)};
  const analysis::AbsorptionResult result = analysis::ModelAbsorption(in);
  if (!result.model) return "error\t" + std::string(analysis::ModelFaultName(*result.fault));
  const analysis::Absorption& m = *result.model;
  std::string out = Figure(m.enteredLowest.figure) + "\t" + Figure(m.enteredHighest.figure);
  for (const analysis::ModelFigure* f : {&m.lowest, &m.highest})
    out += "\t" + Figure(f->figure) + "\t" + analysis::CornerName(f->corner);
  out += m.rising ? "\trising\t" : "\tnot-rising\t";
  out += std::to_string(m.peakMinute);
  for (const std::optional<analysis::ModelFigure>* f : {&m.backLowest, &m.backHighest})
    out += *f ? "\t" + Figure((*f)->figure) + "\t" + analysis::CornerName((*f)->corner) : "\t-\t-";
  return out;
}

// One --official line: six fields for each of the two sets.
std::string Official(std::string_view line) {
  std::vector<std::string_view> texts = Fields(line);
  constexpr std::size_t kSetFields = 6;
  constexpr std::size_t kOne = calc::kInputBoxes + kSetFields, kTwo = kOne + kSetFields;
  if (texts.size() != kOne && texts.size() != kTwo) {
    return "error\t" + std::to_string(texts.size()) + " fields, " + std::to_string(kOne) + " or " +
           std::to_string(kTwo) + " expected";
  }
  texts.resize(kTwo);
  const std::string none = "-\t-\t-\t-\t-\t-", failed = "error\t-\t-\t-\t-\t-";
  calc::WidmarkInputs entered;
  bool boxes = true;
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i) {
    const calc::NumberReading reading = calc::ReadNumber(texts[i]);
    boxes = boxes && reading;
    entered.*calc::kFieldOfBox[i] = reading.value;
  }
  std::string out;
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    const std::size_t at = calc::kInputBoxes + s * kSetFields;
    if (!out.empty()) out += '\t';
    if (Blank(texts[at + 1]) || Blank(texts[at + 2]) || Blank(texts[at + 3])) {
      out += none;
      continue;
    }
    std::array<calc::NumberReading, 3> values;
    for (std::size_t v = 0; v < 3; ++v) values[v] = calc::ReadNumber(texts[at + 1 + v]);
    const calc::NumberReading gravity = calc::ReadNumber(texts[at + 4]);
    analysis::OfficialSet set{report::FromUtf8(texts[at]), values[0].value, values[1].value,
                              values[2].value};
    if (!Blank(texts[at + 4])) set.gravity = gravity.value;
    bool read = boxes && values[0] && values[1] && values[2] && gravity;
    if (!Blank(texts[at + 5])) {
      set.stated = analysis::ReadStatedFigure(report::FromUtf8(texts[at + 5]));
      read = read && set.stated;
    }
    const analysis::OfficialCheck check =
        read ? analysis::CheckOfficial(entered, set) : analysis::OfficialCheck{};
    if (!read || !check.result) {
      out += failed;
      continue;
    }
    const auto optional = [](const std::optional<double>& v) { return v ? Figure(*v) : "-"; };
    out += Figure(check.result.figure) + "\t" +
           std::string(calc::VerdictName(calc::JudgeBreathAlcohol(check.result.figure))) + "\t" +
           std::string(analysis::MatchName(check.match)) + "\t" + optional(check.difference) +
           "\t" + optional(check.rAlone) + "\t" + optional(check.betaAlone);
  }
  return out;
}

// Each mode's output fields, by name.
std::vector<std::string> OutputFields(Mode mode) {
  std::vector<std::string> fields;
  switch (mode) {
    case Mode::Figure:
      return {"Figure", "FigureText", "Verdict"};
    case Mode::Detail:
      for (analysis::Scenario scenario : analysis::kScenarios)
        for (const char* field : {"Figure", "Verdict", "MinutesToLimit", "MinutesToZero"})
          fields.push_back(std::string(analysis::ScenarioName(scenario)) + field);
      return fields;
    case Mode::Amounts:
      for (const char* which : {"AtMost", "LeastAtOrOver"})
        for (analysis::Scenario scenario : analysis::kScenarios)
          for (analysis::Drink drink : analysis::kDrinks)
            fields.push_back(std::string(analysis::ScenarioName(scenario)) +
                             std::string(analysis::DrinkName(drink)) + which);
      return fields;
    case Mode::Back:
      for (analysis::Condition condition : analysis::kConditions)
        for (const char* field : {"Figure", "Verdict"})
          fields.push_back(std::string(analysis::ConditionName(condition)) + field);
      fields.insert(fields.end(), {"CrossCheck", "LowestCorner", "HighestCorner"});
      return fields;
    case Mode::Absorb:
      return {"EnteredLowest", "EnteredHighest",   "Lowest",      "LowestCorner",
              "Highest",       "HighestCorner",    "Rising",      "PeakMinute",
              "BackLowest",    "BackLowestCorner", "BackHighest", "BackHighestCorner"};
    case Mode::Official:
      for (const char* set : {"Official1", "Official2"})
        for (const char* field :
             {"Figure", "Verdict", "Match", "Difference", "RAlone", "BetaAlone"})
          fields.push_back(std::string(set) + field);
      return fields;
    case Mode::Sheet:
      break;
  }
  return {"Html"};
}

std::string Join(const std::vector<std::string>& fields) {
  std::string line;
  for (const std::string& field : fields) line += (line.empty() ? "" : "\t") + field;
  return line;
}

void Help() {
  std::cout
      << "usage: widmark-table [--detail | --amounts | --back | --absorb | --official | --sheet] "
         "[--header] [--decimal]\n"
         "                     < lines of tab-separated texts\n\n"
         "Input fields, in order (each read by the window's input rule):\n";
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i) {
    const calc::InputBox& box = calc::kInputBoxTable[i];
    std::cout << "  " << i + 1 << "\t" << box.name << "\t" << report::Utf8(box.caption)
              << (box.unit.empty() ? "" : "\t[" + report::Utf8(box.unit) + "]") << "\n";
  }
  std::cout
      << "  --back (and optionally --sheet) adds:\n"
         "  14\tBackMeasured\tthe figure measured at the test [mg/L]\n"
         "  15\tBackHours\tfrom driving to the test [hours]\n"
         "  16\tBackMinutes\tand [minutes]\n"
         "  --back and --sheet may add (blank PostAmount: no such drink; blank PostStrength: 0):\n"
         "  17\tPostAmount\ta drink after driving, before the test [cc]\n"
         "  18\tPostStrength\tits strength [%]\n"
         "  --absorb takes instead, each optional (empty: 0 for times, no test, no later\n"
         "  drink, the default ranges):\n"
         "  14\tDrinkingHours\tfrom the start of drinking to its end [hours]\n"
         "  15\tDrinkingMinutes\tand [minutes]\n"
         "  16\tBackMeasured\tthe figure measured at a later test [mg/L]\n"
         "  17\tBackHours\tfrom driving to the test [hours]\n"
         "  18\tBackMinutes\tand [minutes]\n"
         "  19\tPostAmount\ta drink after driving [cc]\n"
         "  20\tPostStrength\tits strength [%]\n"
         "  21\tPostMinutes\twhen, after driving [minutes]\n"
         "  22\tAbsorbFast\tabsorption half-life, fasting [minutes] (6)\n"
         "  23\tAbsorbSlow\tabsorption half-life, after a meal [minutes] (18)\n"
         "  24\tDeficitLow\tresorption deficit, low [%] (10)\n"
         "  25\tDeficitHigh\tresorption deficit, high [%] (30)\n"
         "  --official takes instead one or two sets of the prosecution's values, six\n"
         "  fields each (a set counts where r, elimination and ratio are all given):\n"
         "  14\tOfficialLabel1\tits name, e.g. the report's lower end\n"
         "  15\tOfficialR1\tdistribution factor r\n"
         "  16\tOfficialBeta1\telimination rate [g/kg/h]\n"
         "  17\tOfficialRatio1\tblood to breath ratio\n"
         "  18\tOfficialGravity1\tspecific gravity (empty: Text5)\n"
         "  19\tOfficialFigure1\tthe figure they state [mg/L], as typed (may be empty)\n"
         "  20-25\tOfficialLabel2 ... OfficialFigure2\tthe same for a second set\n\n"
         "Output fields (a line that cannot be read: error, then the reason):\n";
  const std::pair<const char*, Mode> kModes[] = {
      {"(none)", Mode::Figure}, {"--detail", Mode::Detail}, {"--amounts", Mode::Amounts},
      {"--back", Mode::Back},   {"--absorb", Mode::Absorb}, {"--sheet", Mode::Sheet}};
  for (const auto& [flag, mode] : kModes)
    std::cout << "  " << flag << ":\t" << Join(OutputFields(mode)) << "\n";
  std::cout << "\nFigures are in mg per litre of breath, as %a (exact), or with --decimal by\n"
               "the window's number-to-text rule; minutes and cc are whole numbers, - where\n"
               "there is none; corners are rate/r/ratio (rate/ratio without a later drink).\n"
               "--header prints the output field names first.\n\n"
               "--absorb: the absorption model on whole minutes 0 to 4320 from the start of\n"
               "drinking (times rounded to the minute, halves to even; one outside them:\n"
               "error OutsideHours). Entered*: at driving with the entered r, elimination and\n"
               "ratio over half-life x deficit; Lowest, Highest: over the 32 corners, each\n"
               "named half-life/deficit/r/elimination/ratio, r 0.6|0.96, elimination\n"
               "0.11|0.19, ratio 1900|2300, the first in that order among equals; Rising\n"
               "(rising|not-rising) and PeakMinute: entered values, slow half-life, low\n"
               "deficit, no later drink; Back*: the least dose before driving whose figure at\n"
               "the test is at least the measured one, its figure at driving, per corner\n"
               "(- without a measured figure). A half-life not above 0 or a deficit outside\n"
               "0-100 gives error HalfLife or Deficit.\n\n"
               "--official: per set, our figure under its values and its verdict; Match:\n"
               "match-round where our exact figure rounded half up to the stated figure's\n"
               "decimals is that figure, else match-cut where cut toward zero it is, else\n"
               "differ (- without a stated figure); Difference: ours minus theirs; RAlone,\n"
               "BetaAlone: where it differs, the least r (elimination) in [1e-9, 2] whose\n"
               "figure is at most theirs, by 200 halvings (- where none). A set not given:\n"
               "six -; a value that cannot be read, or a fault: error and five -.\n\n"
               "--sheet writes the calculation sheet for the first line (13, 16 or 18 fields)\n"
               "as one HTML document. Lines of key=value may follow it, each key once:\n"
               "  CaseName, Subject, Preparer   the sheet's head (never in its link)\n"
               "  Site                          the page's address the link opens\n"
               "                                (default: index.html)\n"
               "  DrinkStart, DrinkEnd          clock times HH:MM; both give the drinking time\n"
               "  DrinkingHours, DrinkingMinutes  the drinking time, by the input rule\n"
               "  DriveTime, PostTime, TestTime clock times HH:MM of driving, a drink after it\n"
               "                                and the test; each earlier one is the next day.\n"
               "                                DriveTime and TestTime must be as far apart as\n"
               "                                fields 15 and 16 say.\n"
               "                                DrinkStart and DriveTime must be as far apart\n"
               "                                as Text4 and Text8 say.\n"
               "  Purpose                       m: the morning after; c (the default): checking\n"
               "                                a police or prosecutors' calculation\n"
               "  IncidentDate, ExhibitNumber, EvidenceRef  the head's filing fields\n"
               "  OfficialLabel1, OfficialR1, OfficialBeta1, OfficialRatio1, OfficialGravity1,\n"
               "  OfficialFigure1 (and ...2)    the prosecution's sets, as in --official\n"
               "  AbsorbFast, AbsorbSlow        the absorption model's half-lives [minutes]\n"
               "  DeficitLow, DeficitHigh       and its resorption deficits [%]\n"
               "                                (blank: 6, 18, 10 and 30)\n";
}

// The local date and time of the calculation, as the sheet shows it.
std::u16string Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return report::Ascii(text);
}

// The page's link fields after the thirteen boxes, in its order: each from
// a field of the tab line (its index), or from a key=value line (-1).
struct LinkField {
  const char* name;
  int field;
};
constexpr std::array<LinkField, 28> kLinkFields = {{
    {"BackMeasured", 13},    {"BackHours", 14},      {"BackMinutes", 15},
    {"DrinkStart", -1},      {"DrinkEnd", -1},       {"DrinkingHours", -1},
    {"DrinkingMinutes", -1}, {"DriveTime", -1},      {"TestTime", -1},
    {"PostAmount", 16},      {"PostStrength", 17},   {"PostTime", -1},
    {"AbsorbFast", -1},      {"AbsorbSlow", -1},     {"DeficitLow", -1},
    {"DeficitHigh", -1},     {"OfficialLabel1", -1}, {"OfficialR1", -1},
    {"OfficialBeta1", -1},   {"OfficialRatio1", -1}, {"OfficialGravity1", -1},
    {"OfficialFigure1", -1}, {"OfficialLabel2", -1}, {"OfficialR2", -1},
    {"OfficialBeta2", -1},   {"OfficialRatio2", -1}, {"OfficialGravity2", -1},
    {"OfficialFigure2", -1},
}};
// The sheet's own keys, never in the link.
constexpr std::array<const char*, 8> kSheetKeys = {"CaseName",    "Subject",      "Preparer",
                                                   "Site",        "IncidentDate", "ExhibitNumber",
                                                   "EvidenceRef", "Purpose"};

// As the page's encodeURIComponent: UTF-8 bytes, all but A-Z a-z 0-9 - _ . ! ~ * ' ( ) escaped.
std::string Encoded(std::string_view text) {
  constexpr std::string_view kKept = "-_.!~*'()";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
        (byte >= '0' && byte <= '9') || kKept.find(c) != std::string_view::npos) {
      out += c;
      continue;
    }
    constexpr char kHex[] = "0123456789ABCDEF";
    ((out += '%') += kHex[byte >> 4]) += kHex[byte & 15];
  }
  return out;
}

std::optional<int> Clock(const std::map<std::string, std::string>& keys, const char* key) {
  const auto found = keys.find(key);
  if (found == keys.end()) return std::nullopt;
  return analysis::MinuteOfDay(report::Ascii(found->second));
}

#ifdef WIDMARK_QRENCODE
report::QrCode QrOf(const std::string& link) {
  report::QrCode qr;
  QRcode* code = QRcode_encodeString8bit(link.c_str(), 0, QR_ECLEVEL_M);
  if (code == nullptr) return qr;
  qr.size = code->width;
  for (int i = 0; i < code->width * code->width; ++i) qr.dark.push_back((code->data[i] & 1) != 0);
  QRcode_free(code);
  return qr;
}
#endif

// The sheet for the tab line `first` and the key=value lines that follow it.
int Sheet(const std::string& first, const Line& in) {
#ifndef WIDMARK_QRENCODE
  // The WebAssembly build of the tool checks tables; the page makes sheets.
  static_cast<void>(first);
  static_cast<void>(in);
  std::cout << "error\t--sheet needs the native build, with its QR code library\n";
  return 1;
#else
  std::map<std::string, std::string> keys;
  for (std::string line; std::getline(std::cin, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::size_t at = line.find('=');
    const std::string key = line.substr(0, at);
    bool known = false;
    for (const LinkField& f : kLinkFields) known |= f.field < 0 && key == f.name;
    for (const char* name : kSheetKeys) known |= key == name;
    if (at == std::string::npos || !known || keys.count(key)) {
      std::cout << "error\tkey line not understood: " << line << '\n';
      return 1;
    }
    keys[key] = line.substr(at + 1);
  }
  // The page's own rule: two clock times give the minutes between them,
  // through any between them given.
  const auto between = [&](const char* from, const char* to,
                           std::initializer_list<const char*> via) -> std::optional<int> {
    std::optional<int> last = Clock(keys, from);
    if (!last || !Clock(keys, to)) return std::nullopt;
    int minutes = 0;
    for (const char* key : via) {
      if (const std::optional<int> at = Clock(keys, key)) {
        minutes += analysis::MinutesBetween(*last, *at);
        last = at;
      }
    }
    return minutes;
  };
  std::vector<std::string_view> texts = Fields(first);
  texts.resize(18);
  const std::optional<int> delay = between("DriveTime", "TestTime", {"PostTime", "TestTime"});
  if (delay && in.back && (*delay / 60 != in.back->hours || *delay % 60 != in.back->minutes)) {
    std::cout << "error\tDriveTime and TestTime are " << *delay / 60 << " h " << *delay % 60
              << " min apart, not BackHours and BackMinutes\n";
    return 1;
  }
  // As on the page, the drinking time is the two clock times' where both are given.
  if (const std::optional<int> drinking = between("DrinkStart", "DrinkEnd", {"DrinkEnd"})) {
    keys["DrinkingHours"] = std::to_string(*drinking / 60);
    keys["DrinkingMinutes"] = std::to_string(*drinking % 60);
  }

  analysis::CaseInputs c{in.inputs, in.back};
  if (keys.count("DrinkingHours") || keys.count("DrinkingMinutes")) {
    const calc::NumberReading hours = calc::ReadNumber(keys["DrinkingHours"]);
    const calc::NumberReading minutes = calc::ReadNumber(keys["DrinkingMinutes"]);
    if (!hours || !minutes || !analysis::HoursOf(hours.value, minutes.value)) {
      std::cout << "error\tDrinkingHours or DrinkingMinutes cannot be read\n";
      return 1;
    }
    c.drinkingHours = analysis::HoursOf(hours.value, minutes.value);
    c.drinkingTime = analysis::HoursAndMinutes{hours.value, minutes.value};
  }
  // The model's ranges: a blank or absent key keeps its default.
  for (const auto& [key, range] : {std::pair{"AbsorbFast", &analysis::AbsorptionRanges::fast},
                                   std::pair{"AbsorbSlow", &analysis::AbsorptionRanges::slow},
                                   std::pair{"DeficitLow", &analysis::AbsorptionRanges::low},
                                   std::pair{"DeficitHigh", &analysis::AbsorptionRanges::high}}) {
    if (!keys.count(key) || Blank(keys[key])) continue;
    const calc::NumberReading reading = calc::ReadNumber(keys[key]);
    if (!reading) {
      std::cout << "error\t" << key << " cannot be read\n";
      return 1;
    }
    c.ranges.*range = reading.value;
  }
  // What the sheet is for: m the morning after, c checking a calculation.
  const std::string purpose = keys.count("Purpose") ? keys["Purpose"] : "c";
  if (purpose != "m" && purpose != "c") {
    std::cout << "error\tPurpose is m or c\n";
    return 1;
  }
  c.purpose = purpose == "m" ? analysis::Purpose::Morning : analysis::Purpose::Check;
  // The time of driving lives in one place: its clock time must agree with Text4 and Text8.
  if (const std::optional<int> driving = between("DrinkStart", "DriveTime", {"DriveTime"})) {
    if (*driving / 60 != in.inputs.ElapsedHours || *driving % 60 != in.inputs.ElapsedMinutes) {
      std::cout << "error\tDrinkStart and DriveTime are " << *driving / 60 << " h " << *driving % 60
                << " min apart, not Text4 and Text8\n";
      return 1;
    }
  }
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    const std::string n = std::to_string(s + 1);
    const auto text = [&](const char* field) { return keys["Official" + (field + n)]; };
    if (Blank(text("R")) || Blank(text("Beta")) || Blank(text("Ratio"))) continue;
    analysis::OfficialSet set{report::FromUtf8(text("Label"))};
    bool read = true;
    for (const auto& [field, value] : {std::pair{"R", &analysis::OfficialSet::r},
                                       std::pair{"Beta", &analysis::OfficialSet::beta},
                                       std::pair{"Ratio", &analysis::OfficialSet::ratio}}) {
      const calc::NumberReading reading = calc::ReadNumber(text(field));
      read = read && reading;
      set.*value = reading.value;
    }
    if (!Blank(text("Gravity"))) {
      const calc::NumberReading gravity = calc::ReadNumber(text("Gravity"));
      read = read && gravity;
      set.gravity = gravity.value;
    }
    if (!Blank(text("Figure"))) {
      set.stated = analysis::ReadStatedFigure(report::FromUtf8(text("Figure")));
      read = read && set.stated;
    }
    if (!read) {
      std::cout << "error\tOfficial set " << n << " cannot be read\n";
      return 1;
    }
    c.officials[s] = set;
  }
  c.startMinute = Clock(keys, "DrinkStart");
  c.driveMinute = Clock(keys, "DriveTime");
  c.laterMinute = Clock(keys, "PostTime");
  c.testMinute = Clock(keys, "TestTime");

  // The link carries the figures' inputs as typed (the panel's where they
  // hold a text), never the head's fields.
  std::string link = keys.count("Site") ? keys["Site"] : "index.html";
  link += "#v=1";
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i)
    link += "&Text" + std::to_string(i + 1) + "=" + Encoded(texts[i]);
  for (const LinkField& f : kLinkFields) {
    const std::string value = f.field >= 0 ? std::string(texts[static_cast<std::size_t>(f.field)])
                              : keys.count(f.name) ? keys[f.name]
                                                   : "";
    if (!value.empty()) link += std::string("&") + f.name + "=" + Encoded(value);
  }
  link += "&p=" + purpose;
  report::SheetHead head{Now(), {}, {}, {}, {}, QrOf(link)};
  head.caseName = report::FromUtf8(keys["CaseName"]);
  head.subject = report::FromUtf8(keys["Subject"]);
  head.preparer = report::FromUtf8(keys["Preparer"]);
  head.link = report::Ascii(link);
  head.incidentDate = report::FromUtf8(keys["IncidentDate"]);
  head.exhibitNumber = report::FromUtf8(keys["ExhibitNumber"]);
  head.evidenceRef = report::FromUtf8(keys["EvidenceRef"]);
  std::cout << report::Utf8(report::CalculationSheet(analysis::ComputeCase(c), head));
  return 0;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  constexpr std::array<std::pair<const char*, Mode>, 6> kModes = {{
      {"--detail", Mode::Detail},
      {"--amounts", Mode::Amounts},
      {"--back", Mode::Back},
      {"--absorb", Mode::Absorb},
      {"--official", Mode::Official},
      {"--sheet", Mode::Sheet},
  }};
  Mode mode = Mode::Figure;
  bool header = false, modeGiven = false;
  for (int i = 1; i < argc; ++i) {
    bool known = false;
    if (std::strcmp(argv[i], "--help") == 0) {
      Help();
      return 0;
    }
    if (std::strcmp(argv[i], "--header") == 0) known = header = true;
    if (std::strcmp(argv[i], "--decimal") == 0) known = g_decimal = true;
    for (const auto& [flag, value] : kModes) {
      if (std::strcmp(argv[i], flag) == 0 && !modeGiven) {
        mode = value;
        known = modeGiven = true;
      }
    }
    if (!known) {
      std::cerr << "usage: widmark-table [--detail | --amounts | --back | --absorb | --official | "
                   "--sheet] [--header] "
                   "[--decimal] < lines\n(--help lists the fields)\n";
      return 2;
    }
  }
  if (header && mode != Mode::Sheet) std::cout << Join(OutputFields(mode)) << '\n';
  std::ios::sync_with_stdio(false);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (mode == Mode::Absorb || mode == Mode::Official) {
      std::cout << (mode == Mode::Absorb ? Absorb(line) : Official(line)) << '\n';
      continue;
    }
    const auto read = Read(line, mode);
    if (const auto* failed = std::get_if<std::string>(&read)) {
      std::cout << *failed << '\n';
      if (mode == Mode::Sheet) return 1;
      continue;
    }
    const Line& in = std::get<Line>(read);
    switch (mode) {
      case Mode::Figure:
        std::cout << Evaluate(in.inputs) << '\n';
        break;
      case Mode::Detail:
        std::cout << Detail(analysis::ComputeCase({in.inputs})) << '\n';
        break;
      case Mode::Amounts:
        std::cout << Amounts(analysis::ComputeCase({in.inputs})) << '\n';
        break;
      case Mode::Back:
        std::cout << Back(analysis::ComputeCase({in.inputs, in.back})) << '\n';
        break;
      case Mode::Absorb:  // read above
      case Mode::Official:
        break;
      case Mode::Sheet:
        return Sheet(line, in);  // one sheet, for the first line
    }
  }
  return 0;
}
