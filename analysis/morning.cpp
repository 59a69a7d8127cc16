#include "analysis/morning.h"

#include <cmath>

namespace analysis {

DrinkTotals SumDrinks(std::span<const DrinkRow> rows) {
  DrinkTotals totals;
  std::array<double, kDrinks.size()> alcohol{};  // Σ mL × strength
  for (const DrinkRow& row : rows) {
    const auto i = static_cast<std::size_t>(row.kind);
    const double ml = row.count * row.volume;
    totals.kinds[i].amount = totals.kinds[i].amount + ml;
    alcohol[i] = alcohol[i] + ml * row.strength;
  }
  for (std::size_t i = 0; i < kDrinks.size(); ++i) {
    KindTotal& kind = totals.kinds[i];
    if (!std::isfinite(kind.amount) || !std::isfinite(alcohol[i])) totals.fault = true;
    if (kind.amount != 0) kind.strength = alcohol[i] / kind.amount;
    if (kind.strength && !std::isfinite(*kind.strength)) totals.fault = true;
  }
  return totals;
}

MorningTimes TimesOf(int start, int end, std::optional<int> drive) {
  constexpr int kDay = 24 * 60;
  const auto after = [](int from, int to) { return ((to - from) % kDay + kDay) % kDay; };
  const std::int64_t drinking = after(start, end);
  return {drinking, drive ? drinking + after(end, *drive) : drinking};
}

}  // namespace analysis
