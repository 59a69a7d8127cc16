#pragma once
// How low the figure may have been while alcohol was still being absorbed.
// The window assumes the whole dose is in the blood at once; this model lets
// it in by first-order absorption, minute by minute from the start of
// drinking, with the drinks spread evenly over the drinking time, a later
// drink taken all at its minute, a resorption deficit taken off each dose,
// and elimination at a constant rate, never below zero. It gives the figure
// at driving over the corners of published ranges, whether the figure was
// still rising at driving, the peak minute, and the least dose a later
// test's figure calls for, with that dose's figure at driving. Standard
// library only; no state.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/back_calculation.h"
#include "calc/widmark.h"

namespace analysis {

// The published ranges: the absorption half-life in minutes, fasting and
// after a meal, and the resorption deficit in percent, low and high.
struct AbsorptionRanges {
  double fast = 6;
  double slow = 18;
  double low = 10;
  double high = 30;
};

// The model's grid: whole minutes 0 to this many from the start of drinking.
inline constexpr std::int64_t kModelMinutes = 4320;
// The peak is looked for up to this many minutes after drinking ended.
inline constexpr std::int64_t kPeakSearched = 2880;

struct AbsorptionInputs {
  calc::WidmarkInputs entered{};
  double drinkingHours = 0, drinkingMinutes = 0;  // start to end of drinking
  // A later test: its figure, and the time from driving to it.
  std::optional<double> measured = std::nullopt;
  double delayHours = 0, delayMinutes = 0;
  // A drink after driving, taken all at `laterAfterDriving` minutes after it.
  std::optional<LaterDrink> later = std::nullopt;
  double laterAfterDriving = 0;
  AbsorptionRanges ranges{};
};

// One of the 32 corners: half-life {fast, slow} x deficit {low, high} x
// r {0.6, 0.96} x elimination {0.11, 0.19} x ratio {1900, 2300}.
struct ModelCorner {
  double halfLife = 0;  // minutes
  double deficit = 0;   // percent
  double r = 0;
  double beta = 0;
  double ratio = 0;
};

struct ModelFigure {
  double figure = 0;  // mg per litre of breath
  ModelCorner corner{};
  double dose = 0;  // g absorbed before driving (the back-calculation's)
};

enum class ModelFault {
  HalfLife,      // a half-life not above 0
  Deficit,       // a deficit outside 0 to 100
  OutsideHours,  // drinking, driving, the test or the later drink beyond the grid
  Arithmetic,    // a value on the way is not finite
  BackSearch,    // no dose up to 2^60 g reaches the measured figure
};

struct Absorption {
  // Whole minutes from the start of drinking.
  std::int64_t drinkingMinutes = 0;
  std::int64_t drivingMinute = 0;
  std::optional<std::int64_t> testMinute, laterMinute;
  // At driving with the entered r, elimination and ratio, over half-life x deficit.
  ModelFigure enteredLowest, enteredHighest;
  // At driving over the 32 corners.
  ModelFigure lowest, highest;
  // With the entered values, the slow half-life and the low deficit, the
  // drinks before driving alone.
  bool rising = false;
  std::int64_t peakMinute = 0;
  // Back from the test, over the 32 corners: the least dose and its figure at driving.
  std::optional<ModelFigure> backLowest, backHighest;
  // The band at the entered values (lowest and highest over half-life x
  // deficit), minute by minute from 0.
  std::vector<double> bandLow, bandHigh;
};

struct AbsorptionResult {
  std::optional<Absorption> model;
  std::optional<ModelFault> fault;  // exactly one of the two
};

AbsorptionResult ModelAbsorption(const AbsorptionInputs& in);

// A time in minutes as the model counts it: rounded to the nearest whole
// minute, halves to even; nullopt outside 0 to kModelMinutes.
std::optional<std::int64_t> ModelMinute(double minutes);

// "18/30/0.96/0.19/2300": each value by the window's number-to-text rule.
std::string CornerName(const ModelCorner& corner);
std::string_view ModelFaultName(ModelFault fault);

}  // namespace analysis
