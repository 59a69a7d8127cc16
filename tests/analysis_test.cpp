#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "analysis/back_calculation.h"
#include "analysis/case.h"
#include "analysis/limit_amounts.h"
#include "analysis/official.h"
#include "analysis/scenarios.h"
#include "calc/calculate_command.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "tests/fake_toolkit.h"
#include "tests/utf8.h"

namespace {

using analysis::Analyse;
using analysis::Scenario;
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
      {Scenario::Court,
       {{"Text6", u"0.96"}, {"Text7", u"0.19"}, {"Text13", u"2000"}, {"Text5", u"0.7947"}}},
  };
  for (const analysis::ScenarioAnalysis& a : analyses) {
    FakeToolkit window = entered;
    for (const auto& [box, text] : parameters.at(a.scenario)) window.texts[box] = text;
    calc::CalculateCommand(window);
    ASSERT_TRUE(a.result) << analysis::ScenarioName(a.scenario);
    ASSERT_GE(a.result.figure, 0);
    EXPECT_EQ(Utf8(window.texts["Label24"]), calc::NumberToText(a.result.figure))
        << analysis::ScenarioName(a.scenario);
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
  int checked = 0, amounts = 0, leasts = 0;
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
    for (const analysis::ScenarioAnalysis& a : Analyse(in)) {
      // The most of each drink: at most the limit, and one cc more is over it.
      for (analysis::Drink drink : analysis::kDrinks) {
        const analysis::LimitAmount amount = analysis::AmountAtLimit(a.inputs, drink);
        if (!amount.cc) continue;
        calc::WidmarkInputs with = a.inputs;
        with.*analysis::AmountOf(drink) = static_cast<double>(*amount.cc);
        EXPECT_LE(calc::ComputeBreathAlcohol(with).figure, calc::kLegalLimit) << line;
        with.*analysis::AmountOf(drink) = static_cast<double>(*amount.cc + 1);
        EXPECT_GT(calc::ComputeBreathAlcohol(with).figure, calc::kLegalLimit) << line;
        ++amounts;
      }
      // The court's phrase: the least at or over, one cc less still under.
      for (analysis::Drink drink : analysis::kDrinks) {
        const std::optional<std::int64_t> least = analysis::LeastAtOrOver(a.inputs, drink);
        if (!least) continue;
        calc::WidmarkInputs with = a.inputs;
        with.*analysis::AmountOf(drink) = static_cast<double>(*least);
        EXPECT_GE(calc::ComputeBreathAlcohol(with).figure, calc::kLegalLimit) << line;
        with.*analysis::AmountOf(drink) = static_cast<double>(*least - 1);
        EXPECT_LT(calc::ComputeBreathAlcohol(with).figure, calc::kLegalLimit) << line;
        ++leasts;
      }
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
  EXPECT_GT(amounts, 1000);
  EXPECT_GT(leasts, 1000);
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
  const analysis::ScenarioAnalysis entered = Analyse(Read(window))[0];
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

struct AmountCase {
  const char* name;
  std::map<std::string, std::u16string> typed;
  analysis::NoAmount why;  // for beer, as entered
};

class NoBeerAmount : public testing::TestWithParam<AmountCase> {};

TEST_P(NoBeerAmount, SaysWhy) {
  FakeToolkit window;
  for (const auto& [box, text] : GetParam().typed) window.texts[box] = text;
  const analysis::LimitAmount amount = analysis::AmountAtLimit(Read(window), analysis::Drink::Beer);
  EXPECT_FALSE(amount.cc);
  EXPECT_EQ(amount.why, GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(
    Analysis, NoBeerAmount,
    testing::Values(
        AmountCase{"NoStrength", {{"Text11", u"0"}}, analysis::NoAmount::NoStrength},
        AmountCase{"OverWithoutBeer", {{"Text1", u"400"}}, analysis::NoAmount::OverWithout},
        AmountCase{"BeyondTheSearch", {{"Text3", u"1e9"}}, analysis::NoAmount::BeyondSearch},
        AmountCase{"FaultAtTheFarEnd", {{"Text5", u"1e303"}}, analysis::NoAmount::Fault},
        AmountCase{"FaultWithout", {{"Text6", u"0"}}, analysis::NoAmount::Fault}),
    [](const auto& info) { return std::string(info.param.name); });

// Back from a test 1 h 30 min after driving, measured 0.1: each condition's
// parameters, the added amount as ((rate x hours) x 1000) / ratio, and a
// ratio of 0 failing only the condition that uses it.
TEST(Analysis, BackFromALaterTest) {
  FakeToolkit window;
  window.texts["Text13"] = u"0";
  const analysis::BackAnalysis a = analysis::BackCalculate(Read(window), {0.1, 1, 30});
  EXPECT_FALSE(a.figures[0].atDriving);
  const std::pair<double, double> kParameters[] = {{0.11, 2300}, {0.19, 1900}};
  for (int i = 0; i < 2; ++i) {
    const analysis::BackFigure& f = a.figures[i + 1];
    const auto [rate, ratio] = kParameters[i];
    EXPECT_EQ(f.corner.eliminationRate, rate);
    EXPECT_EQ(f.corner.breathRatio, ratio);
    ASSERT_TRUE(f.atDriving);
    EXPECT_EQ(f.atDriving.figure, 0.1 + ((rate * 1.5) * 1000) / ratio);
  }
  // The window's ratio of 0 fails the entered forward figure at the test; the
  // three scenarios that replace the ratio still bound the measured figure.
  EXPECT_FALSE(a.forwardAtTest[0]);
  EXPECT_TRUE(a.forwardAtTest[1] && a.forwardAtTest[2] && a.forwardAtTest[3]);
  EXPECT_EQ(a.crossCheck, analysis::CrossCheck::Within);
}

// The edges of the back-calculation: a sum past the double's range is a
// fault, never an infinite figure; a measured figure equal to the highest or
// the lowest forward figure is within them.
TEST(Analysis, BackCalculationAtItsEdges) {
  FakeToolkit window;
  const calc::WidmarkInputs in = Read(window);
  // Each step finite, the added amount near 1e305: only the sum overflows.
  const analysis::BackAnalysis huge = analysis::BackCalculate(in, {1.7976e308, 8.9e305, 0});
  for (const analysis::BackFigure& f : huge.figures) EXPECT_FALSE(f.atDriving);
  const analysis::BackAnalysis probe = analysis::BackCalculate(in, {0.1, 1, 0});
  for (const double measured : {probe.lowest, probe.highest})
    EXPECT_EQ(analysis::BackCalculate(in, {measured, 1, 0}).crossCheck,
              analysis::CrossCheck::Within);
  EXPECT_EQ(analysis::BackCalculate(in, {std::nextafter(probe.highest, 1.0), 1, 0}).crossCheck,
            analysis::CrossCheck::Above);
}

// The figure without any of a drink exactly at the limit: none of it more
// keeps it there, so the most is 0 cc, not "over without it".
TEST(Analysis, AmountAtLimitWhenTheOthersAreExactlyAtIt) {
  FakeToolkit window;
  for (const auto& [box, text] : std::map<std::string, std::u16string>{{"Text1", u"100"},
                                                                       {"Text2", u"0"},
                                                                       {"Text3", u"100"},
                                                                       {"Text4", u"1"},
                                                                       {"Text5", u"1"},
                                                                       {"Text6", u"1"},
                                                                       {"Text7", u"0"},
                                                                       {"Text10", u"15"},
                                                                       {"Text13", u"1000"}})
    window.texts[box] = text;
  const calc::WidmarkInputs in = Read(window);
  ASSERT_EQ(calc::ComputeBreathAlcohol(in).figure, 0.15);
  const analysis::LimitAmount beer = analysis::AmountAtLimit(in, analysis::Drink::Beer);
  ASSERT_TRUE(beer.cc);
  EXPECT_EQ(*beer.cc, 0);
}

// The morning after counts the window's time from the end of drinking:
// every scenario, the clock time of driving, the chart's curves and the
// absorption model's driving minute move by the drinking time; the check
// of a calculation counts from the start.
TEST(Analysis, TheMorningAfterCountsTheWindowsTimeFromTheEndOfDrinking) {
  FakeToolkit window;  // 1 hour on the window
  analysis::CaseInputs in{Read(window)};
  in.drinkingHours = 1.5;
  in.drinkingTime = analysis::HoursAndMinutes{1, 30};
  const analysis::Case check = analysis::ComputeCase(in);
  in.purpose = analysis::Purpose::Morning;
  const analysis::Case morning = analysis::ComputeCase(in);
  EXPECT_EQ(morning.scenarios[1].result.figure, check.scenarios[1].result.figure);
  EXPECT_EQ(morning.scenarios[1].minutesToZero, check.scenarios[1].minutesToZero);
  EXPECT_EQ(std::make_tuple(check.windowFrom, *check.drivingMinutes, check.drivenWhileAbsorbing),
            std::make_tuple(0, 60, true));
  EXPECT_EQ(
      std::make_tuple(morning.windowFrom, *morning.drivingMinutes, morning.drivenWhileAbsorbing),
      std::make_tuple(90, 150, true));
  EXPECT_EQ(*morning.chart.drivingAt, 2.5);
  ASSERT_TRUE(morning.absorption && morning.absorption->model);
  EXPECT_EQ(morning.absorption->model->drivingMinute, 150);
  // The cautious curve starts where drinking ended.
  const std::size_t end =
      static_cast<std::size_t>(std::ceil(1.5 / morning.chart.hours * analysis::kChartSamples));
  EXPECT_FALSE(morning.chart.figures[1][end - 1]);
  EXPECT_TRUE(morning.chart.figures[1][end]);
}

// Every minute of the window's time and of the delay to the test is its
// own clock minute: 1 h 20 min is 80 minutes, never 79.
TEST(Analysis, EveryMinuteIsItsOwnClockMinute) {
  FakeToolkit window;
  for (int m = 0; m < 60; ++m) {
    analysis::CaseInputs in{Read(window)};
    in.entered.ElapsedMinutes = m;
    in.back = analysis::BackInputs{0.2, 1, static_cast<double>(m), std::nullopt};
    const analysis::Case c = analysis::ComputeCase(in);
    EXPECT_EQ(c.drivingMinutes, 60 + m);
    EXPECT_EQ(c.backMinutes, 60 + m);
  }
}

// Driving, and a test, within 2 hours of the end of drinking are during
// absorption; at 2 hours exactly no longer; no test, no test's caveat.
TEST(Analysis, AbsorptionCaveatsAtTheirEdges) {
  struct Row {
    double driving, drinking;
    std::optional<double> delay;  // driving to the test, hours
    bool drivenWhileAbsorbing, testedWhileAbsorbing;
  };
  const Row kRows[] = {
      {3, 1, 0, false, false}, {2.75, 1, std::nullopt, true, false},
      {2, 1, 0.5, true, true}, {2, 1, 1, true, false},
      {1, 0, 1, true, false},
  };
  FakeToolkit window;
  for (const Row& row : kRows) {
    analysis::CaseInputs in{Read(window)};
    in.entered.ElapsedHours = row.driving;
    in.drinkingHours = row.drinking;
    if (row.delay) in.back = analysis::BackInputs{0.2, *row.delay, 0, std::nullopt};
    const analysis::Case c = analysis::ComputeCase(in);
    EXPECT_EQ(std::make_pair(c.drivenWhileAbsorbing, c.testedWhileAbsorbing),
              std::make_pair(row.drivenWhileAbsorbing, row.testedWhileAbsorbing))
        << row.driving << " " << row.drinking;
  }
}

// On the chart the absorption model's band goes as far as the model's own
// minutes, and not a sample further: a night long enough that some sample
// falls on the minute just past them.
TEST(Analysis, TheChartsBandEndsWithTheModel) {
  int pastTheEnd = 0;
  for (int minutes = 0; minutes < 120; ++minutes) {
    analysis::CaseInputs in{{5000, 0, 60, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000}};
    in.drinkingHours = minutes / 60.0;
    in.drinkingTime = analysis::HoursAndMinutes{0, static_cast<double>(minutes)};
    const analysis::Case c = analysis::ComputeCase(in);
    ASSERT_TRUE(c.absorption && c.absorption->model) << minutes;
    const auto size = static_cast<double>(c.absorption->model->bandLow.size());
    for (std::size_t i = 0; i <= analysis::kChartSamples; ++i) {
      const double minute = std::round(c.chart.hours * 60 * static_cast<double>(i) /
                                       analysis::kChartSamples);
      pastTheEnd += minute == size;
      EXPECT_EQ(c.chart.band[i].has_value(), minute < size) << minutes << " " << i;
    }
  }
  EXPECT_GT(pastTheEnd, 0);
}

// A stated figure is matched against our double's exact value: a decimal
// that reads as a double just below it rounds and cuts down, and a carry
// runs through every nine.
TEST(Official, RoundsAndCutsTheExactDouble) {
  struct Row {
    double figure;
    int decimals;
    bool cut;
    const char* digits;
  };
  const Row kRows[] = {
      {0.125, 2, false, "13"},         // exactly half: up
      {0.145, 2, false, "14"},         // the double is 0.14499999…
      {0.15, 2, true, "14"},           // and 0.15 is 0.14999999…
      {0.15, 2, false, "15"},          // rounded, it is 0.15
      {0.9996, 3, false, "1000"},      // the carry into the whole
      {-0.125, 2, false, "13"},        // half away from zero
      {0.3707321472, 2, false, "37"},  // the police figure
      {0, 3, false, "0"},              // nothing to round
  };

  for (const Row& row : kRows)
    EXPECT_EQ(analysis::RoundedDigits(row.figure, row.decimals, row.cut), row.digits)
        << row.figure << " to " << row.decimals << (row.cut ? " cut" : " rounded");
  // Typed as the input rule reads it: full-width forms, a sign, decimals kept.
  const auto stated = analysis::ReadStatedFigure(u"－０．２０");
  ASSERT_TRUE(stated);
  EXPECT_EQ(stated->digits, "020");
  EXPECT_EQ(stated->decimals, 2);
  EXPECT_TRUE(stated->negative);
  EXPECT_FALSE(analysis::ReadStatedFigure(u"2e-1"));
  EXPECT_FALSE(analysis::ReadStatedFigure(u"0.2mg"));
}

}  // namespace
