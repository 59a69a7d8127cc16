#pragma once
// The chart of the panel and the sheet: each scenario's figure against the
// hours since drinking began, the 0.15 and 0.25 lines, and the case's times
// (driving, a drink after it, the test with its measured figure), as SVG. Each curve has its own
// colour and its own dash pattern, so the chart reads in black and white too.

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/case.h"
#include "analysis/scenarios.h"

namespace report {

inline constexpr double kChartWidth = 641, kChartHeight = 340;

// The case's samples drawn; where the cautious scenario counts from the end
// of drinking, its curve starts that much later on the time axis.
std::u16string Chart(const analysis::Case& c);

// An official set's colour and dash pattern, and its name: as typed, or
// numbered where none was typed (unescaped).
std::u16string_view OfficialColour(std::size_t set);
std::u16string_view OfficialDash(std::size_t set);
std::u16string OfficialTitle(const analysis::OfficialSet& set, std::size_t index);

// A scenario's colour and dash pattern ("" for a solid line).
std::u16string_view ScenarioColour(analysis::Scenario scenario);
std::u16string_view ScenarioDash(analysis::Scenario scenario);

}  // namespace report
