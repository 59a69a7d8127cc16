#include "analysis/back_calculation.h"

#include <vector>

#include "calc/checked.h"

namespace analysis {
namespace {

// What a later drink brings to the breath at the test, for one set of values:
// pe = (amount x strength) / 100; pm = pe x gravity; pd = r x weight;
// pb = pm / pd; ps = (pb x 1000) / ratio; in this order.
std::optional<calc::Fault> LaterShare(calc::Checked& op, const LaterDrink& later, double gravity,
                                      double distribution, double weight, double ratio,
                                      double& share) {
  const double pe = op.Div(op.Mul(later.amount, later.strength), 100);
  if (auto fault = op.EndStep(calc::Step::EthanolVolume, pe)) return fault;
  const double pm = op.Mul(pe, gravity);
  if (auto fault = op.EndStep(calc::Step::EthanolMass, pm)) return fault;
  const double pd = op.Mul(distribution, weight);
  if (auto fault = op.EndStep(calc::Step::DistributionMass, pd)) return fault;
  const double pb = op.Div(pm, pd);
  if (auto fault = op.EndStep(calc::Step::ScaledConcentration, pb)) return fault;
  const double milligrams = op.Mul(pb, calc::kMilligramsPerGram);
  if (auto fault = op.EndStep(calc::Step::Milligrams, milligrams)) return fault;
  share = op.Div(milligrams, ratio);
  return op.EndStep(calc::Step::BreathAlcohol, share);
}

BackFigure AtDriving(Condition condition, const Corner& corner, const calc::WidmarkInputs& entered,
                     const BackInputs& back) {
  BackFigure f{condition, corner, 0, 0, 0, {}};
  const auto failed = [&f](const calc::Fault& fault) {
    f.atDriving = {0, fault};
    return f;
  };
  calc::Checked op;
  const calc::Elapsed elapsed = calc::ElapsedTime(op, back.hours, back.minutes);
  f.elapsed = elapsed.hours;
  if (elapsed.fault) return failed(*elapsed.fault);
  // ((rate x elapsed) x 1000) / ratio, in that order, as the forward rule.
  const double eliminated = op.Mul(corner.eliminationRate, f.elapsed);
  if (auto fault = op.EndStep(calc::Step::EliminatedAlcohol, eliminated)) return failed(*fault);
  const double milligrams = op.Mul(eliminated, calc::kMilligramsPerGram);
  if (auto fault = op.EndStep(calc::Step::Milligrams, milligrams)) return failed(*fault);
  f.added = op.Div(milligrams, corner.breathRatio);  // a ratio of 0 fails, 0/0 included
  if (auto fault = op.EndStep(calc::Step::BreathAlcohol, f.added)) return failed(*fault);
  double figure = op.Add(back.measured, f.added);
  if (auto fault = op.EndStep(calc::Step::BreathAlcohol, figure)) return failed(*fault);
  if (back.later && corner.distributionFactor) {
    if (auto fault = LaterShare(op, *back.later, entered.EthanolGravity, *corner.distributionFactor,
                                entered.BodyWeight, corner.breathRatio, f.subtracted))
      return failed(*fault);
    figure = op.Sub(figure, f.subtracted);
    if (auto fault = op.EndStep(calc::Step::BreathAlcohol, figure)) return failed(*fault);
  }
  f.atDriving = {figure, std::nullopt};
  return f;
}

// The lowest (or the highest) figure at driving over the corners; a later
// corner replaces the one held only when strictly lower (higher). Corners
// that fail are left out; with none left, the first corner's fault.
BackFigure Extreme(Condition condition, const calc::WidmarkInputs& entered,
                   const BackInputs& back) {
  std::optional<BackFigure> held, first;
  const bool lowest = condition == Condition::MostFavourable;
  std::vector<std::optional<double>> distributions{std::nullopt};
  if (back.later) distributions = {kDistributionCorners[0], kDistributionCorners[1]};
  for (const double rate : kRateCorners) {
    for (const std::optional<double>& distribution : distributions) {
      for (const double ratio : kRatioCorners) {
        const BackFigure f = AtDriving(condition, {rate, distribution, ratio}, entered, back);
        if (!first) first = f;
        if (!f.atDriving) continue;
        const double figure = f.atDriving.figure, best = held ? held->atDriving.figure : 0;
        if (!held || (lowest ? figure < best : figure > best)) held = f;
      }
    }
  }
  return held ? *held : *first;
}

}  // namespace

BackAnalysis BackCalculate(const calc::WidmarkInputs& entered, const BackInputs& back) {
  BackAnalysis a;
  a.figures = {AtDriving(Condition::Entered,
                         {entered.EliminationRate, entered.DistributionFactor, entered.BreathRatio},
                         entered, back),
               Extreme(Condition::MostFavourable, entered, back),
               Extreme(Condition::LeastFavourable, entered, back)};

  bool any = false;
  for (std::size_t i = 0; i < kScenarios.size(); ++i) {
    calc::WidmarkInputs atTest = ScenarioInputs(entered, kScenarios[i]);
    atTest.ElapsedHours = entered.ElapsedHours + back.hours;
    atTest.ElapsedMinutes = entered.ElapsedMinutes + back.minutes;
    calc::BreathAlcoholResult result = calc::ComputeBreathAlcohol(atTest);
    if (result && back.later) {
      // The scenario's own share of the later drink, with its r, ratio and gravity.
      calc::Checked op;
      double share = 0;
      if (auto fault = LaterShare(op, *back.later, atTest.EthanolGravity, atTest.DistributionFactor,
                                  entered.BodyWeight, atTest.BreathRatio, share)) {
        result = {0, fault};
      } else {
        result.figure = op.Add(result.figure, share);
        if (auto sum = op.EndStep(calc::Step::BreathAlcohol, result.figure)) result = {0, sum};
      }
    }
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
  calc::Checked op;
  const calc::Elapsed elapsed = calc::ElapsedTime(op, hours, minutes);
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

}  // namespace analysis
