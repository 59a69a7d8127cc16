#include "calc/analysis.h"

namespace calc {
namespace {

struct MethodParameters {
  double distributionFactor;
  double eliminationRate;
  double breathRatio;
};

// The ends of the ranges the window's notes give (Label16, Label17, Label50).
constexpr MethodParameters kCautious{0.6, 0.11, 1900};
constexpr MethodParameters kMostFavourable{0.96, 0.19, 2300};

// The figure at m minutes from the start of drinking, or nullopt on a fault.
std::optional<double> FigureAt(WidmarkInputs in, std::int64_t minutes) {
  in.ElapsedHours = 0;
  in.ElapsedMinutes = static_cast<double>(minutes);
  const BreathAlcoholResult result = ComputeBreathAlcohol(in);
  if (!result) return std::nullopt;
  return result.figure;
}

}  // namespace

WidmarkInputs ScenarioInputs(const WidmarkInputs& entered, Scenario scenario) {
  WidmarkInputs in = entered;
  if (scenario == Scenario::Entered) return in;
  const MethodParameters& p = scenario == Scenario::Cautious ? kCautious : kMostFavourable;
  in.DistributionFactor = p.distributionFactor;
  in.EliminationRate = p.eliminationRate;
  in.BreathRatio = p.breathRatio;
  return in;
}

std::optional<std::int64_t> MinutesUntil(const WidmarkInputs& in, double ceiling) {
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

std::array<ScenarioAnalysis, 3> Analyse(const WidmarkInputs& entered) {
  std::array<ScenarioAnalysis, 3> analyses{};
  for (std::size_t i = 0; i < kScenarios.size(); ++i) {
    ScenarioAnalysis& a = analyses[i];
    a.scenario = kScenarios[i];
    a.inputs = ScenarioInputs(entered, a.scenario);
    a.result = ComputeBreathAlcohol(a.inputs, a.working);
    if (!a.result) continue;
    a.minutesToLimit = MinutesUntil(a.inputs, kLegalLimit);
    a.minutesToZero = MinutesUntil(a.inputs, 0);
  }
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
  }
  return "?";
}

}  // namespace calc
