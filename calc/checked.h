#pragma once
// What the Widmark arithmetic and the calculations built on it share: each
// operation in plain IEEE double precision with its exception noted, and the
// window's rule for turning hours and minutes into hours. Internal to calc.

#include <cmath>
#include <optional>

#include "calc/widmark.h"

namespace calc {

inline constexpr double kMinutesPerHour = 60;
inline constexpr double kTenPlaces = 1e10;
inline constexpr double kMilligramsPerGram = 1000;

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

struct Elapsed {
  double hours;
  std::optional<Fault> fault;  // at MinutesScaled or at ElapsedTime
};

// Hours and minutes as hours: minutes become hours rounded to ten decimal
// places, but only when given; zero minutes leave the hours exactly as typed.
inline Elapsed ElapsedTime(Checked& op, double hours, double minutes) {
  if (minutes == 0) return {hours, op.EndStep(Step::ElapsedTime, hours)};
  double scaled = op.Div(op.Mul(minutes, kTenPlaces), kMinutesPerHour);
  if (auto f = op.EndStep(Step::MinutesScaled, scaled)) return {scaled, f};
  scaled = std::nearbyint(scaled);  // ties to even in the default mode
  const double elapsed = op.Add(op.Div(scaled, kTenPlaces), hours);
  return {elapsed, op.EndStep(Step::ElapsedTime, elapsed)};
}

}  // namespace calc
