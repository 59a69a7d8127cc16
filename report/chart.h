#pragma once
// The chart of the panel and the sheet: each scenario's figure against the
// hours since drinking began, the 0.15 and 0.25 lines, and the entered time,
// as SVG. Each curve has its own colour and its own dash pattern, so the
// chart reads in black and white too.

#include <string>

#include "calc/analysis.h"

namespace report {

inline constexpr double kChartWidth = 641, kChartHeight = 280;

std::u16string Chart(const calc::Analyses& analyses);

// A scenario's colour and dash pattern ("" for a solid line).
std::u16string_view ScenarioColour(calc::Scenario scenario);
std::u16string_view ScenarioDash(calc::Scenario scenario);

}  // namespace report
