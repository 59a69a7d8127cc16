#pragma once
// The chart of the panel and the sheet: each scenario's figure against the
// hours since drinking began, the 0.15 and 0.25 lines, and the entered time,
// as SVG. Each curve has its own colour and its own dash pattern, so the
// chart reads in black and white too.

#include <cstdint>
#include <optional>
#include <string>

#include "calc/analysis.h"

namespace report {

inline constexpr double kChartWidth = 641, kChartHeight = 280;

// With `drinkingMinutes`, the cautious scenario counts from the end of
// drinking, so its curve starts that much later on the chart's time axis.
std::u16string Chart(const calc::Analyses& analyses,
                     std::optional<std::int64_t> drinkingMinutes = std::nullopt);

// A scenario's colour and dash pattern ("" for a solid line).
std::u16string_view ScenarioColour(calc::Scenario scenario);
std::u16string_view ScenarioDash(calc::Scenario scenario);

}  // namespace report
