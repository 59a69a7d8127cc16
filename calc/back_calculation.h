#pragma once
// Back from a later test: a figure measured some time after driving, with
// what was eliminated in between added back, gives the figure at the time
// of driving. Going back in time the person's most favourable values are
// the lowest elimination rate with the highest ratio (0.11, 2300), the
// reverse of the forward calculation; the least favourable are (0.19, 1900).
// A cross-check sets the measured figure against the forward figures of the
// four scenarios at the time of the test. Standard library only; no state.

#include <array>
#include <optional>
#include <string_view>

#include "calc/analysis.h"
#include "calc/widmark.h"

namespace calc {

// What the panel adds to the thirteen boxes, read by the same input rule.
struct BackInputs {
  double measured = 0;  // mg per litre of breath, at the test
  double hours = 0;     // from driving to the test
  double minutes = 0;
};

enum class Condition { Entered, MostFavourable, LeastFavourable };
inline constexpr std::array<Condition, 3> kConditions = {
    Condition::Entered, Condition::MostFavourable, Condition::LeastFavourable};

struct BackFigure {
  Condition condition;
  double eliminationRate;
  double breathRatio;
  double elapsed = 0;  // hours from driving to the test
  double added = 0;    // mg per litre eliminated meanwhile
  BreathAlcoholResult atDriving;
};

// Where the measured figure stands against the forward figures at the test.
enum class CrossCheck { None, Within, Above, Below };

struct BackAnalysis {
  std::array<BackFigure, kConditions.size()> figures;
  std::array<BreathAlcoholResult, kScenarios.size()> forwardAtTest;  // in scenario order
  CrossCheck crossCheck = CrossCheck::None;
  double lowest = 0, highest = 0;  // of the forward figures that did not fail
};

BackAnalysis BackCalculate(const WidmarkInputs& entered, const BackInputs& back);

// Hours since drinking began by the window's rule for hours and minutes, or
// nullopt on a fault: for the times the caveats compare.
std::optional<double> HoursOf(double hours, double minutes);

std::string_view ConditionName(Condition condition);
std::string_view CrossCheckName(CrossCheck check);

}  // namespace calc
