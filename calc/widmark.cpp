#include "calc/widmark.h"

#include <cmath>
#include <limits>

#include "calc/checked.h"

namespace calc {
namespace {

constexpr double kPercent = 100;

BreathAlcoholResult Failed(Fault fault) {
  return {0, fault};
}

// One pass of the computation, noting each step in `w`; inlined into both
// entry points, so the plain one stores nothing.
inline BreathAlcoholResult Compute(const WidmarkInputs& in, Working& w) {
  constexpr double kNotReached = std::numeric_limits<double>::quiet_NaN();
  w = {kNotReached, kNotReached, kNotReached, kNotReached, kNotReached,
       kNotReached, kNotReached, kNotReached, kNotReached};
  Checked op;

  // Each product is divided by 100 on its own; beer and sake first, other last.
  w.EthanolVolume = op.Add(op.Add(op.Div(op.Mul(in.BeerAmount, in.BeerStrength), kPercent),
                                  op.Div(op.Mul(in.SakeAmount, in.SakeStrength), kPercent)),
                           op.Div(op.Mul(in.OtherStrength, in.OtherAmount), kPercent));
  if (auto f = op.EndStep(Step::EthanolVolume, w.EthanolVolume)) return Failed(*f);

  w.EthanolMass = op.Mul(w.EthanolVolume, in.EthanolGravity);
  if (auto f = op.EndStep(Step::EthanolMass, w.EthanolMass)) return Failed(*f);

  w.DistributionMass = op.Mul(in.DistributionFactor, in.BodyWeight);
  if (auto f = op.EndStep(Step::DistributionMass, w.DistributionMass)) return Failed(*f);

  const Elapsed elapsed = ElapsedTime(op, in.ElapsedHours, in.ElapsedMinutes);
  if (elapsed.fault && elapsed.fault->step == Step::MinutesScaled) return Failed(*elapsed.fault);
  const double elapsedTime = elapsed.hours;
  w.ElapsedTime = elapsedTime;
  if (elapsed.fault) return Failed(*elapsed.fault);

  // The concentration keeps only single precision before it is made whole.
  const double q = op.Mul(op.Div(w.EthanolMass, w.DistributionMass), kTenPlaces);
  const float single = op.ToSingle(q);
  const double scaledConcentration = static_cast<double>(std::nearbyint(single));
  if (auto f = op.EndStep(Step::ScaledConcentration, scaledConcentration)) return Failed(*f);

  w.EliminatedAlcohol = op.Mul(in.EliminationRate, elapsedTime);
  if (auto f = op.EndStep(Step::EliminatedAlcohol, w.EliminatedAlcohol)) return Failed(*f);

  w.Concentration = op.Div(scaledConcentration, kTenPlaces);
  w.BloodAlcohol = op.Sub(w.Concentration, w.EliminatedAlcohol);
  if (auto f = op.EndStep(Step::BloodAlcohol, w.BloodAlcohol)) return Failed(*f);

  w.Milligrams = op.Mul(w.BloodAlcohol, kMilligramsPerGram);
  if (auto f = op.EndStep(Step::Milligrams, w.Milligrams)) return Failed(*f);

  // A ratio of 0 fails even when there is no alcohol left (0/0).
  w.BreathAlcohol = op.Div(w.Milligrams, in.BreathRatio);
  if (auto f = op.EndStep(Step::BreathAlcohol, w.BreathAlcohol)) return Failed(*f);

  return {w.BreathAlcohol, std::nullopt};
}

}  // namespace

BreathAlcoholResult ComputeBreathAlcohol(const WidmarkInputs& in, Working& working) {
  return Compute(in, working);
}

BreathAlcoholResult ComputeBreathAlcohol(const WidmarkInputs& in) {
  Working unused;
  return Compute(in, unused);
}

Verdict JudgeBreathAlcohol(double figure) {
  if (figure < 0) return Verdict::BelowZero;
  if (kLegalLimit < figure) return Verdict::Punishable;  // the limit itself is not punishable
  return Verdict::NotPunishable;
}

std::string_view StepName(Step step) {
  switch (step) {
    case Step::EthanolVolume:
      return "EthanolVolume";
    case Step::EthanolMass:
      return "EthanolMass";
    case Step::DistributionMass:
      return "DistributionMass";
    case Step::MinutesScaled:
      return "MinutesScaled";
    case Step::ElapsedTime:
      return "ElapsedTime";
    case Step::ScaledConcentration:
      return "ScaledConcentration";
    case Step::EliminatedAlcohol:
      return "EliminatedAlcohol";
    case Step::BloodAlcohol:
      return "BloodAlcohol";
    case Step::Milligrams:
      return "Milligrams";
    case Step::BreathAlcohol:
      return "BreathAlcohol";
  }
  return "?";
}

std::string_view FaultKindName(FaultKind kind) {
  switch (kind) {
    case FaultKind::DivisionByZero:
      return "DivisionByZero";
    case FaultKind::InvalidOperation:
      return "InvalidOperation";
    case FaultKind::Overflow:
      return "Overflow";
  }
  return "?";
}

std::string_view VerdictName(Verdict verdict) {
  switch (verdict) {
    case Verdict::BelowZero:
      return "BelowZero";
    case Verdict::NotPunishable:
      return "NotPunishable";
    case Verdict::Punishable:
      return "Punishable";
  }
  return "?";
}

}  // namespace calc
