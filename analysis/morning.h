#pragma once
// The morning check's arithmetic: a list of drinks (each counted as one of
// the window's three) summed into the window's amount and strength boxes,
// and the clock times of drinking and driving turned into the window's
// hours and minutes. Standard library only; no state.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "analysis/limit_amounts.h"

namespace analysis {

struct DrinkRow {
  Drink kind;
  double volume;    // mL of one serving
  double strength;  // percent by volume
  double count;     // servings
};

// One kind's total: its amount in mL, and its strength, the volume-weighted
// mean of its rows; no strength where the kind has no rows (or no volume).
struct KindTotal {
  double amount = 0;
  std::optional<double> strength;
};

struct DrinkTotals {
  std::array<KindTotal, kDrinks.size()> kinds;  // in kDrinks order
  bool fault = false;                           // a sum or mean not finite: nothing to fill in
};

// In list order: each row's mL is count × volume; a kind's amount the sum of
// its rows' mL, its strength (Σ mL × strength) / amount.
DrinkTotals SumDrinks(std::span<const DrinkRow> rows);

// Minutes after midnight of drinking's start and end, and of driving. Each
// time earlier than the one before it is on the next day.
struct MorningTimes {
  std::int64_t drinkingMinutes;  // start to end
  std::int64_t elapsedMinutes;   // start to driving, or to the end without it
};
MorningTimes TimesOf(int start, int end, std::optional<int> drive);

}  // namespace analysis
