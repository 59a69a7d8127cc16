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

// Drinking's start and end and the time to drive, minutes after midnight.
// The end earlier than the start is on the next day; so is a drive time
// that falls between them. Driving at the very end counts as a minute
// after it, as the window needs a time after drinking.
struct MorningTimes {
  std::int64_t drinkingMinutes;               // start to end
  std::optional<std::int64_t> driveAfterEnd;  // 1 at least
  bool driveDuringDrinking = false;           // its clock time fell within drinking
};
MorningTimes TimesOf(int start, int end, std::optional<int> drive);

// A day on the proleptic Gregorian calendar.
struct CivilDate {
  int year, month, day;
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};
std::int64_t DaysOf(CivilDate date);  // since 1970-01-01
CivilDate DateOf(std::int64_t days);
int Weekday(CivilDate date);  // 0 Sunday to 6 Saturday

// The day drinking began, for a start time entered at `nowMinute` on
// `today`: where the start is at most 3 hours ahead, the day it comes
// (planning just before); otherwise the latest day on which it is not after
// now (the morning after: at 6:45 an 18:30 start is yesterday's).
CivilDate StartDate(CivilDate today, int nowMinute, int startMinute);

}  // namespace analysis
