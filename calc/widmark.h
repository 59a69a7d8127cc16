#pragma once
// The Widmark arithmetic: thirteen doubles in, one figure in mg per litre of
// breath out (or the step that failed and why), and its verdict against the
// 0.15 mg/L limit. Standard library only; no state.

#include <array>
#include <optional>
#include <string_view>

namespace calc {

struct WidmarkInputs {
  double SakeAmount = 0;          // Text1, cc
  double BeerAmount = 0;          // Text2, cc
  double BodyWeight = 0;          // Text3, kg
  double ElapsedHours = 0;        // Text4
  double EthanolGravity = 0;      // Text5, g per cc
  double DistributionFactor = 0;  // Text6, Widmark r
  double EliminationRate = 0;     // Text7, g per kg per hour
  double ElapsedMinutes = 0;      // Text8
  double OtherAmount = 0;         // Text9, cc
  double SakeStrength = 0;        // Text10, percent
  double BeerStrength = 0;        // Text11, percent
  double OtherStrength = 0;       // Text12, percent
  double BreathRatio = 0;         // Text13, blood to breath
};

// The field each input box fills, Text1 first.
inline constexpr std::size_t kInputBoxes = 13;
inline constexpr std::array<double WidmarkInputs::*, kInputBoxes> kFieldOfBox = {
    &WidmarkInputs::SakeAmount,      &WidmarkInputs::BeerAmount,
    &WidmarkInputs::BodyWeight,      &WidmarkInputs::ElapsedHours,
    &WidmarkInputs::EthanolGravity,  &WidmarkInputs::DistributionFactor,
    &WidmarkInputs::EliminationRate, &WidmarkInputs::ElapsedMinutes,
    &WidmarkInputs::OtherAmount,     &WidmarkInputs::SakeStrength,
    &WidmarkInputs::BeerStrength,    &WidmarkInputs::OtherStrength,
    &WidmarkInputs::BreathRatio,
};

enum class Verdict { BelowZero, NotPunishable, Punishable };

// The steps in the order they run; MinutesScaled is the first half of
// ElapsedTime, tested on its own.
enum class Step {
  EthanolVolume,
  EthanolMass,
  DistributionMass,
  MinutesScaled,
  ElapsedTime,
  ScaledConcentration,
  EliminatedAlcohol,
  BloodAlcohol,
  Milligrams,
  BreathAlcohol,
};

// IEEE 754 exceptions that end the computation; underflow and inexact never do.
enum class FaultKind { DivisionByZero, InvalidOperation, Overflow };

struct Fault {
  Step step;
  FaultKind kind;
  friend bool operator==(const Fault&, const Fault&) = default;
};

// Either a figure or the first fault; never both.
struct BreathAlcoholResult {
  double figure = 0;
  std::optional<Fault> fault;

  explicit operator bool() const { return !fault.has_value(); }
};

inline constexpr double kLegalLimit = 0.15;  // mg per litre of breath

// The value after each named step of one computation; a step the
// computation did not reach holds NaN.
struct Working {
  double EthanolVolume;      // cc
  double EthanolMass;        // g
  double DistributionMass;   // kg, r times body weight
  double ElapsedTime;        // hours
  double Concentration;      // g per kg, before elimination
  double EliminatedAlcohol;  // g per kg
  double BloodAlcohol;       // g per kg, now
  double Milligrams;         // mg per kg
  double BreathAlcohol;      // mg per litre of breath
};

BreathAlcoholResult ComputeBreathAlcohol(const WidmarkInputs& in);
// The same computation, noting each step's value in `working` as it goes.
BreathAlcoholResult ComputeBreathAlcohol(const WidmarkInputs& in, Working& working);
Verdict JudgeBreathAlcohol(double figure);

std::string_view StepName(Step step);
std::string_view FaultKindName(FaultKind kind);
std::string_view VerdictName(Verdict verdict);

}  // namespace calc
