#pragma once
// One case worked out whole, once: the four scenarios with their times, the
// amounts at the limit both ways, the figure back from a later test with its
// corners, the times that call for a caveat, and the chart's samples. The
// panel, the calculation sheet and the table tool render this value and do
// no arithmetic of their own. Standard library only; no state.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "analysis/absorption.h"
#include "analysis/back_calculation.h"
#include "analysis/limit_amounts.h"
#include "analysis/morning.h"
#include "analysis/official.h"
#include "analysis/scenarios.h"
#include "calc/widmark.h"

namespace analysis {

// A duration as its two boxes hold it, to read as 時間・分: the window's
// rule turns them into hours in its own way, which no decimal shows better.
struct HoursAndMinutes {
  double hours = 0;
  double minutes = 0;
};

// What the calculation is for, as the purpose box names its two uses: the
// morning after, or checking a police or prosecutors' calculation.
enum class Purpose { Morning, Check };

struct CaseInputs {
  calc::WidmarkInputs entered{};
  std::optional<BackInputs> back = std::nullopt;       // a figure measured at a later test
  std::optional<double> drinkingHours = std::nullopt;  // from the start of drinking to its end
  // Clock times, minutes after midnight: drinking began, driving, a drink
  // after driving, the test. Each later one may fall on a later day.
  std::optional<int> startMinute = std::nullopt;
  std::optional<int> driveMinute = std::nullopt;
  std::optional<int> laterMinute = std::nullopt;
  std::optional<int> testMinute = std::nullopt;
  std::optional<CivilDate> startDate = std::nullopt;  // the day drinking began, where known
  // The drinking time as its two boxes hold it, for the absorption model,
  // which rounds it to whole minutes its own way.
  std::optional<HoursAndMinutes> drinkingTime = std::nullopt;
  AbsorptionRanges ranges{};
  // Under Check the window's elapsed time counts from the start of drinking,
  // as its caption says; for the morning after, with the drinking time
  // known, from its end, as the purpose box asks.
  Purpose purpose = Purpose::Check;
  std::array<std::optional<OfficialSet>, kOfficialSets> officials{};
};

// The most of a drink that stays at or below 0.15, and the least at which
// the figure is 0.15 or more (the courts' phrase).
struct AmountCell {
  LimitAmount most{};
  std::optional<std::int64_t> least = std::nullopt;
};
using AmountRow = std::array<AmountCell, kDrinks.size()>;

inline constexpr int kChartSamples = 160;

struct ChartSamples {
  double hours = 1;  // the time axis, whole hours from the start of drinking
  double top = 0.3;  // the figure axis: every sample and mark fits below it
  // Each scenario's figure at hours x i / kChartSamples; none before the
  // scenario's own time starts or where it fails.
  std::array<std::array<std::optional<double>, kChartSamples + 1>, kScenarios.size()> figures{};
  // Hours from the start of drinking.
  std::optional<double> drivingAt = std::nullopt, laterAt = std::nullopt, testAt = std::nullopt;
  std::optional<double> measured = std::nullopt;  // the test's figure, at testAt
  // Each official set's figure, as the scenarios'.
  std::array<std::array<std::optional<double>, kChartSamples + 1>, kOfficialSets> officials{};
  // The absorption model's band at the entered values, lowest and highest.
  std::array<std::optional<std::array<double, 2>>, kChartSamples + 1> band{};
};

struct Case {
  CaseInputs inputs;
  Analyses scenarios{};
  std::optional<std::int64_t> drinkingMinutes = std::nullopt;  // whole minutes, start to end
  // The window's time counts from the end of drinking (the morning after),
  // `windowFrom` minutes after its start; otherwise from the start, and 0.
  bool fromEnd = false;
  std::int64_t windowFrom = 0;
  // Driving, from the start of drinking: the entered time by its rule (plus
  // the drinking time where it counts from the end), and in whole minutes.
  std::optional<double> drivingHours = std::nullopt;
  std::optional<std::int64_t> drivingMinutes = std::nullopt;
  std::array<AmountRow, kScenarios.size()> amounts{};
  std::optional<BackAnalysis> back = std::nullopt;
  std::optional<std::int64_t> backMinutes = std::nullopt;  // driving to the test
  HoursAndMinutes drivingTime{};                           // the entered time since drinking began
  std::optional<HoursAndMinutes> backTime = std::nullopt;  // driving to the test
  std::optional<std::int64_t> laterAfterDriving = std::nullopt;
  std::optional<std::int64_t> laterBeforeTest = std::nullopt;
  // Driving within 2 hours of the end of drinking, or of its start where the
  // end is not known.
  bool drivenWhileAbsorbing = false;
  bool testedWhileAbsorbing = false;  // the test within 2 hours of it
  // The absorption model, where the drinking time is known; a later drink
  // with no clock time is taken at driving.
  std::optional<AbsorptionResult> absorption = std::nullopt;
  bool laterTakenAtDriving = false;
  std::array<std::optional<OfficialCheck>, kOfficialSets> officials{};
  ChartSamples chart;
};

Case ComputeCase(const CaseInputs& in);

// The law's threshold is 0.15 mg per litre of breath or more; the window's
// verdict rule differs from it only at 0.15 itself.
enum class Standing { Below, AtOrOver };
Standing StandingOf(double figure);

// Minutes from one clock time to the next, the next on a later day when it
// is earlier: 0 to 1439.
int MinutesBetween(int from, int to);

// "HH:MM" (a time input's value, seconds after it ignored) as minutes after
// midnight; nullopt for anything else, an empty text among them.
std::optional<int> MinuteOfDay(std::u16string_view text);

}  // namespace analysis
