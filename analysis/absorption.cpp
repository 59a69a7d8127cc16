#include "analysis/absorption.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/number_text.h"

namespace analysis {
namespace {

constexpr std::array<double, 2> kModelR = {0.6, 0.96};
constexpr std::array<double, 2> kModelBeta = {0.11, 0.19};
constexpr std::array<double, 2> kModelRatio = {1900, 2300};
constexpr int kDoublings = 60, kHalvings = 60;

// What one half-life lets in by each minute, for a dose of 1 (or, for drinks
// spread over T hours, of T): `spread[k]` for the drinks before driving,
// multiplied by D / T (by D where T is 0); `single[j]` for a drink taken all
// at once, j minutes after it.
struct Uptake {
  std::vector<double> spread, single;
};

Uptake UptakeOf(double halfLifeMinutes, std::int64_t drinkingMinutes, std::int64_t horizon) {
  const double ka = std::numbers::ln2 / (halfLifeMinutes / 60);
  const double T = static_cast<double>(drinkingMinutes) / 60;
  Uptake u;
  u.spread.resize(static_cast<std::size_t>(horizon) + 1);
  u.single.resize(static_cast<std::size_t>(horizon) + 1);
  for (std::int64_t k = 0; k <= horizon; ++k) {
    const double t = static_cast<double>(k) / 60;
    const auto i = static_cast<std::size_t>(k);
    u.single[i] = 1 - std::exp(-ka * t);
    if (drinkingMinutes == 0) {
      u.spread[i] = u.single[i];
    } else if (k <= drinkingMinutes) {
      u.spread[i] = t - (1 - std::exp(-ka * t)) / ka;
    } else {
      u.spread[i] = T - (std::exp(-ka * (t - T)) - std::exp(-ka * t)) / ka;
    }
  }
  return u;
}

// One run of the model for one set of values.
struct Run {
  const Uptake* uptake;
  double spreadFactor;  // D / T, or D where T is 0
  double laterDose;     // g, after the deficit
  std::optional<std::int64_t> laterMinute;
  double rw;    // r x weight
  double beta;  // g per kg per hour

  double Absorbed(std::int64_t k) const {
    double a = spreadFactor * uptake->spread[static_cast<std::size_t>(k)];
    if (laterMinute && k >= *laterMinute)
      a += laterDose * uptake->single[static_cast<std::size_t>(k - *laterMinute)];
    return a;
  }

  // C in g/kg at each minute 0 to `until`, passed to visit(k, C); false
  // where a value on the way is not finite.
  template <typename Visit>
  bool Go(std::int64_t until, Visit visit) const {
    double c = 0;
    double before = Absorbed(0);
    visit(std::int64_t{0}, c);
    for (std::int64_t k = 0; k < until; ++k) {
      const double next = Absorbed(k + 1);
      const double step = c + (next - before) / rw - beta / 60;
      if (!std::isfinite(step)) return false;
      c = std::max(0.0, step);
      before = next;
      visit(k + 1, c);
    }
    return true;
  }

  // C at `minute`, or nullopt where the run fails.
  std::optional<double> At(std::int64_t minute) const {
    double at = 0;
    if (!Go(minute, [&](std::int64_t k, double c) {
          if (k == minute) at = c;
        }))
      return std::nullopt;
    return at;
  }
};

double Breath(double c, double ratio) {
  return c * 1000 / ratio;
}

// Keeps the lowest and the highest, the first of equals.
void Keep(std::optional<ModelFigure>& lowest, std::optional<ModelFigure>& highest,
          const ModelFigure& f) {
  if (!lowest || f.figure < lowest->figure) lowest = f;
  if (!highest || f.figure > highest->figure) highest = f;
}

}  // namespace

std::optional<std::int64_t> ModelMinute(double minutes) {
  if (!(minutes > -1) || !(minutes < static_cast<double>(kModelMinutes) + 1)) return std::nullopt;
  const double whole = std::nearbyint(minutes);
  if (whole < 0 || whole > static_cast<double>(kModelMinutes)) return std::nullopt;
  return static_cast<std::int64_t>(whole);
}

AbsorptionResult ModelAbsorption(const AbsorptionInputs& in) {
  const auto fail = [](ModelFault fault) { return AbsorptionResult{std::nullopt, fault}; };
  const AbsorptionRanges& ranges = in.ranges;
  for (double halfLife : {ranges.fast, ranges.slow})
    if (!(halfLife > 0) || !std::isfinite(halfLife)) return fail(ModelFault::HalfLife);
  for (double deficit : {ranges.low, ranges.high})
    if (!(deficit >= 0 && deficit <= 100)) return fail(ModelFault::Deficit);

  Absorption m;
  const std::optional<std::int64_t> drinking =
      ModelMinute(in.drinkingHours * 60 + in.drinkingMinutes);
  const std::optional<std::int64_t> driving =
      ModelMinute(in.entered.ElapsedHours * 60 + in.entered.ElapsedMinutes);
  if (!drinking || !driving) return fail(ModelFault::OutsideHours);
  m.drinkingMinutes = *drinking;
  m.drivingMinute = *driving;
  std::int64_t horizon = std::max(*drinking + kPeakSearched, *driving);
  const auto after = [&](double minutes) -> std::optional<std::int64_t> {
    const double delay = std::nearbyint(minutes);
    if (!std::isfinite(delay)) return std::nullopt;
    return ModelMinute(static_cast<double>(*driving) + delay);
  };
  if (in.measured) {
    m.testMinute = after(in.delayHours * 60 + in.delayMinutes);
    if (!m.testMinute) return fail(ModelFault::OutsideHours);
    horizon = std::max(horizon, *m.testMinute);
  }
  if (in.later) {
    m.laterMinute = after(in.laterAfterDriving);
    if (!m.laterMinute) return fail(ModelFault::OutsideHours);
    horizon = std::max(horizon, *m.laterMinute);
  }

  // The window's own ethanol mass, the same double as its working shows.
  calc::Working working;
  calc::ComputeBreathAlcohol(in.entered, working);
  const double mass = working.EthanolMass;
  const double gravity = in.entered.EthanolGravity;
  if (!std::isfinite(mass)) return fail(ModelFault::Arithmetic);
  const double weight = in.entered.BodyWeight;

  const std::array<double, 2> halfLives = {ranges.fast, ranges.slow};
  const std::array<double, 2> deficits = {ranges.low, ranges.high};
  std::array<Uptake, 2> uptakes;
  for (std::size_t h = 0; h < 2; ++h) uptakes[h] = UptakeOf(halfLives[h], *drinking, horizon);

  const double T = static_cast<double>(*drinking) / 60;
  const auto runOf = [&](std::size_t h, double deficit, double r, double beta, double dose,
                         bool withLater) {
    double laterDose = 0;
    if (withLater && in.later)
      laterDose = in.later->amount * in.later->strength / 100 * gravity * (1 - deficit / 100);
    return Run{&uptakes[h], *drinking == 0 ? dose : dose / T,
               laterDose,   withLater ? m.laterMinute : std::nullopt,
               r * weight,  beta};
  };
  const auto doseOf = [&](double deficit) { return mass * (1 - deficit / 100); };

  // The entered values over half-life x deficit: the figure at driving and the band.
  const calc::WidmarkInputs& e = in.entered;
  std::optional<ModelFigure> low, high;
  m.bandLow.assign(static_cast<std::size_t>(horizon) + 1, 0);
  m.bandHigh.assign(static_cast<std::size_t>(horizon) + 1, 0);
  bool first = true;
  for (std::size_t h = 0; h < 2; ++h) {
    for (double deficit : deficits) {
      const Run run =
          runOf(h, deficit, e.DistributionFactor, e.EliminationRate, doseOf(deficit), true);
      bool finite = true;
      const bool ran = run.Go(horizon, [&](std::int64_t k, double c) {
        const double b = Breath(c, e.BreathRatio);
        finite = finite && std::isfinite(b);
        const auto i = static_cast<std::size_t>(k);
        m.bandLow[i] = first ? b : std::min(m.bandLow[i], b);
        m.bandHigh[i] = first ? b : std::max(m.bandHigh[i], b);
        if (k == *driving)
          Keep(
              low, high,
              {b, {halfLives[h], deficit, e.DistributionFactor, e.EliminationRate, e.BreathRatio}});
      });
      if (!ran || !finite) return fail(ModelFault::Arithmetic);
      first = false;
    }
  }
  m.enteredLowest = *low;
  m.enteredHighest = *high;

  // Every corner, in the order the names are written.
  std::vector<ModelCorner> corners;
  for (std::size_t h = 0; h < 2; ++h)
    for (double deficit : deficits)
      for (double r : kModelR)
        for (double beta : kModelBeta)
          for (double ratio : kModelRatio)
            corners.push_back({halfLives[h], deficit, r, beta, ratio});

  low.reset();
  high.reset();
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const ModelCorner& c = corners[i];
    const std::size_t h = i < corners.size() / 2 ? 0 : 1;
    const std::optional<double> at =
        runOf(h, c.deficit, c.r, c.beta, doseOf(c.deficit), true).At(*driving);
    if (!at || !std::isfinite(Breath(*at, c.ratio))) return fail(ModelFault::Arithmetic);
    Keep(low, high, {Breath(*at, c.ratio), c});
  }
  m.lowest = *low;
  m.highest = *high;

  // Still rising at driving, and the peak: slow half-life, low deficit, no later drink.
  {
    const Run run =
        runOf(1, ranges.low, e.DistributionFactor, e.EliminationRate, doseOf(ranges.low), false);
    double before = 0, atDriving = 0, peak = -1;
    const std::int64_t peakEnd = *drinking + kPeakSearched;
    if (!run.Go(horizon, [&](std::int64_t k, double c) {
          if (k + 1 == *driving) before = c;
          if (k == *driving) atDriving = c;
          if (k <= peakEnd && c > peak) {
            peak = c;
            m.peakMinute = k;
          }
        }))
      return fail(ModelFault::Arithmetic);
    m.rising = *driving > 0 && atDriving > before;
  }

  // Back from the test: for each corner the least dose before driving whose
  // figure at the test is at least the measured one.
  if (in.measured) {
    const double measured = *in.measured;
    const std::int64_t test = *m.testMinute;
    std::optional<ModelFigure> backLow, backHigh;
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const ModelCorner& c = corners[i];
      const std::size_t h = i < corners.size() / 2 ? 0 : 1;
      bool failed = false;
      const auto reaches = [&](double dose) {
        const std::optional<double> at = runOf(h, c.deficit, c.r, c.beta, dose, true).At(test);
        if (!at) failed = true;
        return at && Breath(*at, c.ratio) >= measured;
      };
      double dose = 0;
      if (!reaches(0)) {
        double lo = 0, hi = 1;
        int doublings = 0;
        while (!reaches(hi) && !failed) {
          if (++doublings > kDoublings) return fail(ModelFault::BackSearch);
          hi *= 2;
        }
        for (int n = 0; n < kHalvings && !failed; ++n) {
          const double mid = (lo + hi) / 2;
          (reaches(mid) ? hi : lo) = mid;
        }
        dose = hi;
      }
      const std::optional<double> at = runOf(h, c.deficit, c.r, c.beta, dose, true).At(*driving);
      if (failed || !at || !std::isfinite(Breath(*at, c.ratio)))
        return fail(ModelFault::Arithmetic);
      Keep(backLow, backHigh, {Breath(*at, c.ratio), c, dose});
    }
    m.backLowest = backLow;
    m.backHighest = backHigh;
  }
  return {std::move(m), std::nullopt};
}

std::string CornerName(const ModelCorner& c) {
  return calc::NumberToText(c.halfLife) + "/" + calc::NumberToText(c.deficit) + "/" +
         calc::NumberToText(c.r) + "/" + calc::NumberToText(c.beta) + "/" +
         calc::NumberToText(c.ratio);
}

std::string_view ModelFaultName(ModelFault fault) {
  switch (fault) {
    case ModelFault::HalfLife:
      return "HalfLife";
    case ModelFault::Deficit:
      return "Deficit";
    case ModelFault::OutsideHours:
      return "OutsideHours";
    case ModelFault::Arithmetic:
      return "Arithmetic";
    case ModelFault::BackSearch:
      break;
  }
  return "BackSearch";
}

}  // namespace analysis
