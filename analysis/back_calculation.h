#pragma once
// Back from a later test: a figure measured some time after driving, with
// what was eliminated in between added back, and what a drink taken after
// driving brought subtracted, gives the figure at the time of driving. The
// person's most favourable and least favourable values are the lowest and
// the highest figure over the corners of the published ranges (elimination
// 0.11 or 0.19, distribution 0.6 or 0.96 where a later drink counts, ratio
// 1900 or 2300); without a later drink and with a positive delay they are
// (0.11, 2300) and (0.19, 1900). A cross-check sets the measured figure
// against the forward figures of the four scenarios at the time of the
// test. Standard library only; no state.

#include <array>
#include <optional>
#include <string_view>

#include "analysis/scenarios.h"
#include "calc/widmark.h"

namespace analysis {

// A drink taken after driving and before the test.
struct LaterDrink {
  double amount = 0;    // cc
  double strength = 0;  // percent
};

// What the panel adds to the thirteen boxes, read by the same input rule.
struct BackInputs {
  double measured = 0;  // mg per litre of breath, at the test
  double hours = 0;     // from driving to the test
  double minutes = 0;
  std::optional<LaterDrink> later = std::nullopt;
};

enum class Condition { Entered, MostFavourable, LeastFavourable };
inline constexpr std::array<Condition, 3> kConditions = {
    Condition::Entered, Condition::MostFavourable, Condition::LeastFavourable};

// The values a figure at driving is computed with; the distribution
// factor only where a later drink counts.
struct Corner {
  double eliminationRate;
  std::optional<double> distributionFactor;
  double breathRatio;
};

struct BackFigure {
  Condition condition;
  Corner corner;
  double elapsed = 0;     // hours from driving to the test
  double added = 0;       // mg per litre eliminated meanwhile
  double subtracted = 0;  // mg per litre the later drink brought
  calc::BreathAlcoholResult atDriving;
};

// The corners in the order they are tried: elimination 0.11 then 0.19,
// within it distribution 0.6 then 0.96 (where a later drink counts), within
// that ratio 1900 then 2300.
inline constexpr std::array<double, 2> kRateCorners = {0.11, 0.19};
inline constexpr std::array<double, 2> kDistributionCorners = {0.6, 0.96};
inline constexpr std::array<double, 2> kRatioCorners = {1900, 2300};

// Where the measured figure stands against the forward figures at the test.
enum class CrossCheck { None, Within, Above, Below };

struct BackAnalysis {
  std::array<BackFigure, kConditions.size()> figures;
  // In scenario order, with the later drink's share added where one is given.
  std::array<calc::BreathAlcoholResult, kScenarios.size()> forwardAtTest;
  CrossCheck crossCheck = CrossCheck::None;
  double lowest = 0, highest = 0;  // of the forward figures that did not fail
};

BackAnalysis BackCalculate(const calc::WidmarkInputs& entered, const BackInputs& back);

// Hours since drinking began by the window's rule for hours and minutes, or
// nullopt on a fault: for the times the caveats compare.
std::optional<double> HoursOf(double hours, double minutes);

std::string_view ConditionName(Condition condition);
std::string_view CrossCheckName(CrossCheck check);

}  // namespace analysis
