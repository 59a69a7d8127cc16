#include "calc/analysis.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "calc/calculate_command.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "tests/fake_toolkit.h"
#include "tests/utf8.h"

namespace {

using calc::Analyse;
using calc::Scenario;
using testing_support::FakeToolkit;
using testing_support::Utf8;

// What the window reads from the boxes, with some of them retyped.
calc::WidmarkInputs Read(const FakeToolkit& toolkit) {
  calc::WidmarkInputs in;
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i)
    in.*calc::kFieldOfBox[i] =
        calc::ReadNumber(toolkit.texts.at("Text" + std::to_string(i + 1))).value;
  return in;
}

struct WindowCase {
  const char* name;
  std::map<std::string, std::u16string> typed;
};

class ScenarioFigures : public testing::TestWithParam<WindowCase> {};

// Each scenario's figure is the one the window shows when its parameters are
// typed into the boxes.
TEST_P(ScenarioFigures, AreTheWindowsFigures) {
  FakeToolkit entered;
  for (const auto& [box, text] : GetParam().typed) entered.texts[box] = text;
  const auto analyses = Analyse(Read(entered));
  const std::map<Scenario, std::map<std::string, std::u16string>> parameters = {
      {Scenario::Entered, {}},
      {Scenario::Cautious, {{"Text6", u"0.6"}, {"Text7", u"0.11"}, {"Text13", u"1900"}}},
      {Scenario::MostFavourable, {{"Text6", u"0.96"}, {"Text7", u"0.19"}, {"Text13", u"2300"}}},
  };
  for (const calc::ScenarioAnalysis& a : analyses) {
    FakeToolkit window = entered;
    for (const auto& [box, text] : parameters.at(a.scenario)) window.texts[box] = text;
    calc::CalculateCommand(window);
    ASSERT_TRUE(a.result) << calc::ScenarioName(a.scenario);
    ASSERT_GE(a.result.figure, 0);
    EXPECT_EQ(Utf8(window.texts["Label24"]), calc::NumberToText(a.result.figure))
        << calc::ScenarioName(a.scenario);
    EXPECT_EQ(a.working.BreathAlcohol, a.result.figure);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Analysis, ScenarioFigures,
    testing::Values(WindowCase{"Defaults", {}}, WindowCase{"TwentyMinutes", {{"Text8", u"20"}}},
                    WindowCase{"HeavyEvening",
                               {{"Text1", u"900"},
                                {"Text2", u"1500"},
                                {"Text9", u"300"},
                                {"Text12", u"12"},
                                {"Text4", u"3"},
                                {"Text3", u"58"}}},
                    WindowCase{"MinutesOnly", {{"Text4", u"0"}, {"Text8", u"30"}}}),
    [](const auto& info) { return std::string(info.param.name); });

// The figure with no hours and m minutes.
double FigureAt(calc::WidmarkInputs in, std::int64_t minutes) {
  in.ElapsedHours = 0;
  in.ElapsedMinutes = static_cast<double>(minutes);
  const auto result = calc::ComputeBreathAlcohol(in);
  EXPECT_TRUE(result);
  return result.figure;
}

// Over every recorded input line: the minute found is the first at or below
// the limit (or zero), the one before it still above.
TEST(Analysis, MinutesAreTheFirstAtOrBelow) {
  std::ifstream table(WIDMARK_GOLDEN_TABLE);
  ASSERT_TRUE(table);
  std::string line;
  int checked = 0;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    calc::WidmarkInputs in;
    std::string field;
    bool readable = true;
    for (std::size_t i = 0; i < calc::kInputBoxes && readable; ++i) {
      std::getline(fields, field, '\t');
      const calc::NumberReading reading = calc::ReadNumber(field);
      readable = static_cast<bool>(reading);
      in.*calc::kFieldOfBox[i] = reading.value;
    }
    if (!readable) continue;
    for (const calc::ScenarioAnalysis& a : Analyse(in)) {
      for (const auto& [minutes, ceiling] :
           {std::pair{a.minutesToLimit, calc::kLegalLimit}, std::pair{a.minutesToZero, 0.0}}) {
        if (!minutes) continue;
        EXPECT_LE(FigureAt(a.inputs, *minutes), ceiling) << line;
        if (*minutes > 0) {
          EXPECT_GT(FigureAt(a.inputs, *minutes - 1), ceiling) << line;
        }
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 500);
}

struct NoAnswerCase {
  const char* name;
  std::map<std::string, std::u16string> typed;
  std::optional<std::int64_t> toLimit, toZero;  // for the entered scenario
};

class EnteredMinutes : public testing::TestWithParam<NoAnswerCase> {};

TEST_P(EnteredMinutes, AtTheEndsOfTheRange) {
  FakeToolkit window;
  for (const auto& [box, text] : GetParam().typed) window.texts[box] = text;
  const calc::ScenarioAnalysis entered = Analyse(Read(window))[0];
  EXPECT_EQ(entered.minutesToLimit, GetParam().toLimit);
  EXPECT_EQ(entered.minutesToZero, GetParam().toZero);
}

INSTANTIATE_TEST_SUITE_P(
    Analysis, EnteredMinutes,
    testing::Values(
        NoAnswerCase{"NoElimination", {{"Text7", u"0"}}, std::nullopt, std::nullopt},
        NoAnswerCase{"NegativeRatio", {{"Text13", u"-2000"}}, std::nullopt, std::nullopt},
        NoAnswerCase{"SlowerThanTheRange", {{"Text7", u"1e-9"}}, std::nullopt, std::nullopt},
        // The eliminated alcohol overflows at the far end of the range.
        NoAnswerCase{"FaultOnTheWay", {{"Text7", u"1e303"}}, std::nullopt, std::nullopt},
        NoAnswerCase{"AlreadyBelow", {{"Text1", u"10"}, {"Text2", u"0"}}, 0, 9},
        NoAnswerCase{"NoAlcohol", {{"Text10", u"0"}, {"Text11", u"0"}}, 0, 0},
        NoAnswerCase{"Defaults", {}, 142, 262}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Analysis, AFailingScenarioHasItsFaultAndNoMinutes) {
  FakeToolkit window;
  window.texts["Text6"] = u"0";  // the entered r: the cautious and favourable replace it
  const auto analyses = Analyse(Read(window));
  ASSERT_FALSE(analyses[0].result);
  EXPECT_EQ(analyses[0].result.fault->step, calc::Step::ScaledConcentration);
  EXPECT_FALSE(analyses[0].minutesToLimit || analyses[0].minutesToZero);
  EXPECT_TRUE(analyses[1].result && analyses[2].result);
}

}  // namespace
