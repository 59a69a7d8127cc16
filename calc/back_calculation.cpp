#include "calc/back_calculation.h"

#include "calc/checked.h"

namespace calc {
namespace {

BackFigure AtDriving(Condition condition, double eliminationRate, double breathRatio,
                     const BackInputs& back) {
  BackFigure f{condition, eliminationRate, breathRatio, 0, 0, {}};
  const auto failed = [&f](const Fault& fault) {
    f.atDriving = {0, fault};
    return f;
  };
  Checked op;
  const Elapsed elapsed = ElapsedTime(op, back.hours, back.minutes);
  f.elapsed = elapsed.hours;
  if (elapsed.fault) return failed(*elapsed.fault);
  // ((rate x elapsed) x 1000) / ratio, in that order, as the forward rule.
  const double eliminated = op.Mul(eliminationRate, f.elapsed);
  if (auto fault = op.EndStep(Step::EliminatedAlcohol, eliminated)) return failed(*fault);
  const double milligrams = op.Mul(eliminated, kMilligramsPerGram);
  if (auto fault = op.EndStep(Step::Milligrams, milligrams)) return failed(*fault);
  f.added = op.Div(milligrams, breathRatio);  // a ratio of 0 fails, 0/0 included
  if (auto fault = op.EndStep(Step::BreathAlcohol, f.added)) return failed(*fault);
  const double figure = op.Add(back.measured, f.added);
  if (auto fault = op.EndStep(Step::BreathAlcohol, figure)) return failed(*fault);
  f.atDriving = {figure, std::nullopt};
  return f;
}

}  // namespace

BackAnalysis BackCalculate(const WidmarkInputs& entered, const BackInputs& back) {
  BackAnalysis a;
  a.figures = {AtDriving(Condition::Entered, entered.EliminationRate, entered.BreathRatio, back),
               AtDriving(Condition::MostFavourable, 0.11, 2300, back),
               AtDriving(Condition::LeastFavourable, 0.19, 1900, back)};

  bool any = false;
  for (std::size_t i = 0; i < kScenarios.size(); ++i) {
    WidmarkInputs atTest = ScenarioInputs(entered, kScenarios[i]);
    atTest.ElapsedHours = entered.ElapsedHours + back.hours;
    atTest.ElapsedMinutes = entered.ElapsedMinutes + back.minutes;
    const BreathAlcoholResult result = ComputeBreathAlcohol(atTest);
    a.forwardAtTest[i] = result;
    if (!result) continue;
    if (!any || result.figure < a.lowest) a.lowest = result.figure;
    if (!any || result.figure > a.highest) a.highest = result.figure;
    any = true;
  }
  if (any) {
    a.crossCheck = back.measured > a.highest  ? CrossCheck::Above
                   : back.measured < a.lowest ? CrossCheck::Below
                                              : CrossCheck::Within;
  }
  return a;
}

std::optional<double> HoursOf(double hours, double minutes) {
  Checked op;
  const Elapsed elapsed = ElapsedTime(op, hours, minutes);
  if (elapsed.fault) return std::nullopt;
  return elapsed.hours;
}

std::string_view ConditionName(Condition condition) {
  switch (condition) {
    case Condition::Entered:
      return "Entered";
    case Condition::MostFavourable:
      return "MostFavourable";
    case Condition::LeastFavourable:
      break;
  }
  return "LeastFavourable";
}

std::string_view CrossCheckName(CrossCheck check) {
  switch (check) {
    case CrossCheck::Within:
      return "within";
    case CrossCheck::Above:
      return "above";
    case CrossCheck::Below:
      return "below";
    case CrossCheck::None:
      break;
  }
  return "-";
}

}  // namespace calc
