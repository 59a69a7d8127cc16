#include "calc/widmark.h"

#include <cmath>
#include <limits>

namespace calc {
namespace {

// Does each operation in plain IEEE double (or single) precision and keeps
// the first exception that ends the computation. The exceptions are derived
// from the operands, so the result does not depend on the floating-point
// environment or on how a compiler treats <cfenv>.
class Checked {
 public:
  double Add(double a, double b) { return Note(a + b, a, b); }
  double Sub(double a, double b) { return Note(a - b, a, b); }
  double Mul(double a, double b) { return Note(a * b, a, b); }

  double Div(double a, double b) {
    const double r = a / b;
    if (std::isfinite(a) && a != 0 && b == 0) {
      Raise(FaultKind::DivisionByZero);
      return r;
    }
    return Note(r, a, b);
  }

  float ToSingle(double a) {
    const float r = static_cast<float>(a);
    if (std::isinf(r) && std::isfinite(a)) Raise(FaultKind::Overflow);
    return r;
  }

  // Ends a step: a fault so far, or a value that is not finite (which only
  // inputs outside the input rule's reach can bring in), fails it.
  std::optional<Fault> EndStep(Step step, double value) {
    if (!m_first && !std::isfinite(value))
      Raise(std::isnan(value) ? FaultKind::InvalidOperation : FaultKind::Overflow);
    if (m_first) return Fault{step, *m_first};
    return std::nullopt;
  }

 private:
  // NaN out of non-NaN operands is an invalid operation (0*inf, inf-inf,
  // 0/0, inf/inf); infinity out of finite operands is an overflow.
  double Note(double r, double a, double b) {
    if (std::isnan(r) && !std::isnan(a) && !std::isnan(b))
      Raise(FaultKind::InvalidOperation);
    else if (std::isinf(r) && std::isfinite(a) && std::isfinite(b))
      Raise(FaultKind::Overflow);
    return r;
  }

  void Raise(FaultKind kind) {
    if (!m_first) m_first = kind;
  }

  std::optional<FaultKind> m_first;
};

constexpr double kPercent = 100;
constexpr double kMinutesPerHour = 60;
constexpr double kTenPlaces = 1e10;
constexpr double kMilligramsPerGram = 1000;

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

  // Minutes become hours rounded to ten decimal places, but only when given:
  // zero minutes leave the hours exactly as typed.
  double elapsedTime = in.ElapsedHours;
  if (in.ElapsedMinutes != 0) {
    double scaled = op.Div(op.Mul(in.ElapsedMinutes, kTenPlaces), kMinutesPerHour);
    if (auto f = op.EndStep(Step::MinutesScaled, scaled)) return Failed(*f);
    scaled = std::nearbyint(scaled);  // ties to even in the default mode
    elapsedTime = op.Add(op.Div(scaled, kTenPlaces), in.ElapsedHours);
  }
  w.ElapsedTime = elapsedTime;
  if (auto f = op.EndStep(Step::ElapsedTime, elapsedTime)) return Failed(*f);

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
