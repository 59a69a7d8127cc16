#pragma once
// The calculator's two uses worked out for one set of inputs: the figure as
// entered, the cautious figure for the morning after (r 0.6, elimination
// 0.11, ratio 1900), the figure most favourable to the person tested, as
// the court requires of an official calculation (r 0.96, elimination 0.19,
// ratio 2300), and the figure under the court decision's own conditions
// (r 0.96, elimination 0.19, gravity 0.7947, and the ratio 2000 that the
// limit itself implies); for each, its verdict, the working of the single pass that
// gives it, and the least whole minutes from the start of drinking after
// which the figure is at most the limit, and at most zero. Standard library
// only; no state.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/widmark.h"

namespace analysis {

enum class Scenario { Entered, Cautious, MostFavourable, Court };
inline constexpr std::array<Scenario, 4> kScenarios = {Scenario::Entered, Scenario::Cautious,
                                                       Scenario::MostFavourable, Scenario::Court};

// The inputs with the scenario's method parameters put in.
calc::WidmarkInputs ScenarioInputs(const calc::WidmarkInputs& entered, Scenario scenario);

// Minutes are searched from 0 up to this many.
inline constexpr std::int64_t kMinutesSearched = 10'000'000;

// The least m in 0..kMinutesSearched for which the figure with no hours and
// m minutes is at most `ceiling`; nullopt where the elimination rate or the
// ratio is not positive, a figure on the way fails, or no such m exists.
std::optional<std::int64_t> MinutesUntil(const calc::WidmarkInputs& in, double ceiling);

struct ScenarioAnalysis {
  Scenario scenario;
  calc::WidmarkInputs inputs;
  calc::BreathAlcoholResult result;  // the figure or the fault, as the window gets it
  calc::Working working;
  std::optional<std::int64_t> minutesToLimit;  // none where the scenario fails
  std::optional<std::int64_t> minutesToZero;
};

using Analyses = std::array<ScenarioAnalysis, kScenarios.size()>;
Analyses Analyse(const calc::WidmarkInputs& entered);

std::string_view ScenarioName(Scenario scenario);

}  // namespace analysis
