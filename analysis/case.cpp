#include "analysis/case.h"

#include <algorithm>
#include <cmath>

namespace analysis {
namespace {

// Hours as whole minutes, where they make a time on a clock.
std::optional<std::int64_t> WholeMinutes(std::optional<double> hours) {
  if (!hours || !(*hours >= 0) || !(*hours < 1e6)) return std::nullopt;
  return std::llround(*hours * 60);
}

// One curve's samples at hours x i / kChartSamples, its time starting
// `offset` minutes after drinking began; `top` rises to the highest.
void SampleCurve(const calc::WidmarkInputs& inputs, std::int64_t offset, double hours,
                 std::array<std::optional<double>, kChartSamples + 1>& samples, double& top) {
  for (int i = 0; i <= kChartSamples; ++i) {
    calc::WidmarkInputs in = inputs;
    in.ElapsedHours = 0;
    in.ElapsedMinutes = std::round(hours * 60 * i / kChartSamples) - static_cast<double>(offset);
    if (in.ElapsedMinutes < 0) continue;  // before the curve's time starts
    const calc::BreathAlcoholResult r = calc::ComputeBreathAlcohol(in);
    if (r && std::isfinite(r.figure)) {
      samples[static_cast<std::size_t>(i)] = r.figure;
      top = std::max(top, r.figure);
    }
  }
}

ChartSamples SampleChart(const Case& c) {
  ChartSamples chart;
  // Minutes from the start of drinking to where a scenario's own time starts.
  const auto offset = [&](const ScenarioAnalysis&) { return c.windowFrom; };
  const ScenarioAnalysis& entered = c.scenarios[0];
  if (entered.result && entered.working.ElapsedTime >= 0) {
    chart.drivingAt = entered.working.ElapsedTime + static_cast<double>(c.windowFrom) / 60;
    if (c.back && c.backMinutes) {
      chart.testAt = *chart.drivingAt + static_cast<double>(*c.backMinutes) / 60;
      chart.measured = c.inputs.back->measured;
      if (c.laterAfterDriving)
        chart.laterAt = *chart.drivingAt + static_cast<double>(*c.laterAfterDriving) / 60;
    }
  }
  double hours = 0;
  for (const ScenarioAnalysis& a : c.scenarios) {
    if (a.minutesToZero)
      hours = std::max(hours, static_cast<double>(*a.minutesToZero + offset(a)) / 60);
    if (a.result)
      hours = std::max(hours, a.working.ElapsedTime + static_cast<double>(offset(a)) / 60);
  }
  for (const std::optional<OfficialCheck>& o : c.officials) {
    if (!o || !o->result) continue;
    if (o->minutesToZero) hours = std::max(hours, static_cast<double>(*o->minutesToZero) / 60);
  }
  if (chart.testAt) hours = std::max(hours, *chart.testAt);
  chart.hours = std::ceil(std::clamp(hours * 1.1, 1.0, 1000.0));

  double top = 0.3;
  for (std::size_t s = 0; s < c.scenarios.size(); ++s)
    SampleCurve(c.scenarios[s].inputs, offset(c.scenarios[s]), chart.hours, chart.figures[s], top);
  for (std::size_t s = 0; s < kOfficialSets; ++s)
    if (c.officials[s] && c.officials[s]->result)
      SampleCurve(c.officials[s]->inputs, 0, chart.hours, chart.officials[s], top);
  if (chart.measured && std::isfinite(*chart.measured)) top = std::max(top, *chart.measured);
  if (c.absorption && c.absorption->model) {
    const Absorption& m = *c.absorption->model;
    for (int i = 0; i <= kChartSamples; ++i) {
      const double minute = std::round(chart.hours * 60 * i / kChartSamples);
      if (minute >= static_cast<double>(m.bandLow.size())) break;
      const auto k = static_cast<std::size_t>(minute);
      chart.band[static_cast<std::size_t>(i)] = std::array<double, 2>{m.bandLow[k], m.bandHigh[k]};
      top = std::max(top, m.bandHigh[k]);
    }
  }
  // Room above the highest curve, and a top that reads: a multiple of 0.1.
  chart.top = std::ceil(std::min(top, 1e6) * 1.1 * 10) / 10;
  return chart;
}

// The model for the case: the later drink at its clock time where driving's
// or drinking's start is known, otherwise at driving.
AbsorptionResult Absorb(Case& c) {
  const CaseInputs& in = c.inputs;
  AbsorptionInputs model;
  model.entered = in.entered;
  // The model's time runs from the start of drinking.
  model.entered.ElapsedMinutes += static_cast<double>(c.windowFrom);
  model.drinkingHours = in.drinkingTime->hours;
  model.drinkingMinutes = in.drinkingTime->minutes;
  model.ranges = in.ranges;
  if (in.back) {
    model.measured = in.back->measured;
    model.delayHours = in.back->hours;
    model.delayMinutes = in.back->minutes;
    model.later = in.back->later;
  }
  if (model.later) {
    if (c.laterAfterDriving) {
      model.laterAfterDriving = static_cast<double>(*c.laterAfterDriving);
    } else if (in.laterMinute && in.startMinute && c.drivingMinutes) {
      // From drinking's start: the first such clock time at or after driving.
      std::int64_t at = MinutesBetween(*in.startMinute, *in.laterMinute);
      while (at < *c.drivingMinutes) at += 1440;
      model.laterAfterDriving = static_cast<double>(at - *c.drivingMinutes);
    } else {
      c.laterTakenAtDriving = true;
    }
  }
  return ModelAbsorption(model);
}

}  // namespace

int MinutesBetween(int from, int to) {
  return ((to - from) % 1440 + 1440) % 1440;
}

std::optional<int> MinuteOfDay(std::u16string_view text) {
  if (text.size() < 5 || text[2] != u':') return std::nullopt;
  int value = 0;
  for (std::size_t i : {0, 1, 3, 4}) {
    if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
    value = value * 10 + (text[i] - u'0');
  }
  const int hours = value / 100, minutes = value % 100;
  if (hours > 23 || minutes > 59) return std::nullopt;
  return hours * 60 + minutes;
}

Standing StandingOf(double figure) {
  return figure >= calc::kLegalLimit ? Standing::AtOrOver : Standing::Below;
}

Case ComputeCase(const CaseInputs& in) {
  Case c;
  c.inputs = in;
  c.scenarios = Analyse(in.entered);
  if (in.drinkingHours && std::isfinite(*in.drinkingHours * 60) && *in.drinkingHours >= 0) {
    c.drinkingMinutes = std::llround(*in.drinkingHours * 60);
    if (in.purpose == Purpose::Morning) {
      c.fromEnd = true;
      c.windowFrom = *c.drinkingMinutes;
    }
  }
  // The prosecution's values belong to the check of their calculation.
  for (std::size_t s = 0; s < kOfficialSets; ++s)
    if (in.officials[s] && in.purpose == Purpose::Check)
      c.officials[s] = CheckOfficial(in.entered, *in.officials[s]);
  std::optional<double> driving = HoursOf(in.entered.ElapsedHours, in.entered.ElapsedMinutes);
  if (const std::optional<std::int64_t> minutes = WholeMinutes(driving))
    c.drivingMinutes = *minutes + c.windowFrom;
  if (driving) driving = *driving + static_cast<double>(c.windowFrom) / 60;
  c.drivingHours = driving;
  for (std::size_t s = 0; s < c.scenarios.size(); ++s) {
    for (std::size_t d = 0; d < kDrinks.size(); ++d) {
      c.amounts[s][d] = {AmountAtLimit(c.scenarios[s].inputs, kDrinks[d]),
                         LeastAtOrOver(c.scenarios[s].inputs, kDrinks[d])};
    }
  }
  c.drivingTime = {in.entered.ElapsedHours, in.entered.ElapsedMinutes};
  if (driving && *driving - in.drinkingHours.value_or(0) < 2) c.drivenWhileAbsorbing = true;
  if (in.back) {
    c.back = BackCalculate(in.entered, *in.back);
    const std::optional<double> delay = HoursOf(in.back->hours, in.back->minutes);
    c.backMinutes = WholeMinutes(delay);
    c.backTime = HoursAndMinutes{in.back->hours, in.back->minutes};
    if (in.drinkingHours && driving && delay && *driving + *delay - *in.drinkingHours < 2)
      c.testedWhileAbsorbing = true;
    if (in.back->later && in.laterMinute) {
      if (in.driveMinute) c.laterAfterDriving = MinutesBetween(*in.driveMinute, *in.laterMinute);
      if (in.testMinute) c.laterBeforeTest = MinutesBetween(*in.laterMinute, *in.testMinute);
    }
  }
  if (in.drinkingTime) c.absorption = Absorb(c);
  c.chart = SampleChart(c);
  return c;
}

}  // namespace analysis
