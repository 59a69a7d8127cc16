#include "analysis/morning.h"

#include <algorithm>
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

namespace {
constexpr int kDay = 24 * 60;
int After(int from, int to) {
  return ((to - from) % kDay + kDay) % kDay;
}
}  // namespace

MorningTimes TimesOf(int start, int end, std::optional<int> drive) {
  MorningTimes times{After(start, end), std::nullopt};
  if (drive) {
    times.driveDuringDrinking = After(start, *drive) < times.drinkingMinutes;
    times.driveAfterEnd = std::max(After(end, *drive), 1);
  }
  return times;
}

std::int64_t DaysOf(CivilDate d) {
  const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

CivilDate DateOf(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

int Weekday(CivilDate date) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>(((DaysOf(date) + 4) % 7 + 7) % 7);
}

CivilDate StartDate(CivilDate today, int nowMinute, int startMinute) {
  const std::int64_t day = DaysOf(today);
  const int ahead = After(nowMinute, startMinute);
  if (ahead > 0 && ahead <= 3 * 60) return DateOf(startMinute > nowMinute ? day : day + 1);
  return DateOf(startMinute <= nowMinute ? day : day - 1);
}

}  // namespace analysis
