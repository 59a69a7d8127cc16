#include "analysis/scenarios.h"

namespace analysis {
namespace {

struct MethodParameters {
  double distributionFactor;
  double eliminationRate;
  double breathRatio;
  std::optional<double> ethanolGravity;  // none: as entered
};

// The ends of the ranges the window's notes give (Label16, Label17, Label50).
constexpr MethodParameters kCautious{0.6, 0.11, 1900, std::nullopt};
constexpr MethodParameters kMostFavourable{0.96, 0.19, 2300, std::nullopt};
// The court decision's method (Command7's box); 0.3 mg per mL of blood
// against 0.15 mg per litre of breath makes the ratio 2000.
constexpr MethodParameters kCourt{0.96, 0.19, 2000, 0.7947};

const MethodParameters& ParametersOf(Scenario scenario) {
  switch (scenario) {
    case Scenario::Cautious:
      return kCautious;
    case Scenario::MostFavourable:
      return kMostFavourable;
    case Scenario::Court:
    case Scenario::Entered:
      break;
  }
  return kCourt;
}

// The figure at m minutes from the start of drinking, or nullopt on a fault.
std::optional<double> FigureAt(calc::WidmarkInputs in, std::int64_t minutes) {
  in.ElapsedHours = 0;
  in.ElapsedMinutes = static_cast<double>(minutes);
  const calc::BreathAlcoholResult result = calc::ComputeBreathAlcohol(in);
  if (!result) return std::nullopt;
  return result.figure;
}

}  // namespace

calc::WidmarkInputs ScenarioInputs(const calc::WidmarkInputs& entered, Scenario scenario) {
  calc::WidmarkInputs in = entered;
  if (scenario == Scenario::Entered) return in;
  const MethodParameters& p = ParametersOf(scenario);
  in.DistributionFactor = p.distributionFactor;
  in.EliminationRate = p.eliminationRate;
  in.BreathRatio = p.breathRatio;
  if (p.ethanolGravity) in.EthanolGravity = *p.ethanolGravity;
  return in;
}

std::optional<std::int64_t> MinutesUntil(const calc::WidmarkInputs& in, double ceiling) {
  // With a positive rate and ratio the figure never rises as minutes pass,
  // so a bisection over the exact arithmetic finds the least minute. A
  // closed formula would miss the rounding steps.
  if (!(in.EliminationRate > 0) || !(in.BreathRatio > 0)) return std::nullopt;
  const std::optional<double> first = FigureAt(in, 0);
  if (!first) return std::nullopt;
  if (*first <= ceiling) return 0;
  const std::optional<double> last = FigureAt(in, kMinutesSearched);
  if (!last || !(*last <= ceiling)) return std::nullopt;
  std::int64_t above = 0, atOrBelow = kMinutesSearched;
  while (atOrBelow - above > 1) {
    const std::int64_t middle = above + (atOrBelow - above) / 2;
    const std::optional<double> figure = FigureAt(in, middle);
    if (!figure) return std::nullopt;
    (*figure <= ceiling ? atOrBelow : above) = middle;
  }
  return atOrBelow;
}

namespace {

ScenarioAnalysis Analysed(Scenario scenario, const calc::WidmarkInputs& in) {
  ScenarioAnalysis a{};
  a.scenario = scenario;
  a.inputs = in;
  a.result = calc::ComputeBreathAlcohol(a.inputs, a.working);
  if (!a.result) return a;
  a.minutesToLimit = MinutesUntil(a.inputs, calc::kLegalLimit);
  a.minutesToZero = MinutesUntil(a.inputs, 0);
  return a;
}

}  // namespace

Analyses Analyse(const calc::WidmarkInputs& entered) {
  Analyses analyses{};
  for (std::size_t i = 0; i < kScenarios.size(); ++i)
    analyses[i] = Analysed(kScenarios[i], ScenarioInputs(entered, kScenarios[i]));
  return analyses;
}

std::string_view ScenarioName(Scenario scenario) {
  switch (scenario) {
    case Scenario::Entered:
      return "Entered";
    case Scenario::Cautious:
      return "Cautious";
    case Scenario::MostFavourable:
      return "MostFavourable";
    case Scenario::Court:
      return "Court";
  }
  return "?";
}

}  // namespace analysis
