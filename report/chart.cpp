#include "report/chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>

#include "report/panel_words.h"
#include "report/text.h"

namespace report {
namespace {

constexpr double kLeft = 48, kRight = 16, kTop = 16, kBottom = 36;
constexpr int kSamples = 160;

std::u16string N(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return Ascii(text);
}

}  // namespace

std::u16string_view ScenarioColour(calc::Scenario scenario) {
  switch (scenario) {
    case calc::Scenario::Entered:
      return u"#1c2f80";
    case calc::Scenario::Cautious:
      return u"#c00000";
    case calc::Scenario::MostFavourable:
      return u"#2a7a2a";
    case calc::Scenario::Court:
      break;
  }
  return u"#7a4a00";
}

std::u16string_view ScenarioDash(calc::Scenario scenario) {
  switch (scenario) {
    case calc::Scenario::Entered:
      return u"";
    case calc::Scenario::Cautious:
      return u"8 4";
    case calc::Scenario::MostFavourable:
      return u"2 3";
    case calc::Scenario::Court:
      break;
  }
  return u"10 3 2 3";
}

std::u16string Chart(const calc::Analyses& analyses, std::optional<std::int64_t> drinkingMinutes) {
  // Minutes from the start of drinking to where a scenario's own time starts.
  const auto offset = [&](const calc::ScenarioAnalysis& a) -> std::int64_t {
    return drinkingMinutes && a.scenario == calc::Scenario::Cautious ? *drinkingMinutes : 0;
  };
  double hours = 0;
  for (const auto& a : analyses) {
    if (a.minutesToZero) hours = std::max(hours, (*a.minutesToZero + offset(a)) / 60.0);
    if (a.result) hours = std::max(hours, a.working.ElapsedTime + offset(a) / 60.0);
  }
  hours = std::ceil(std::clamp(hours * 1.1, 1.0, 1000.0));

  std::array<std::array<std::optional<double>, kSamples + 1>, calc::kScenarios.size()> figures{};
  double top = 0.3;
  for (std::size_t s = 0; s < analyses.size(); ++s) {
    for (int i = 0; i <= kSamples; ++i) {
      calc::WidmarkInputs in = analyses[s].inputs;
      in.ElapsedHours = 0;
      in.ElapsedMinutes =
          std::round(hours * 60 * i / kSamples) - static_cast<double>(offset(analyses[s]));
      if (in.ElapsedMinutes < 0) continue;  // before the scenario's time starts
      const calc::BreathAlcoholResult r = calc::ComputeBreathAlcohol(in);
      if (r && std::isfinite(r.figure)) {
        figures[s][i] = r.figure;
        top = std::max(top, std::min(r.figure, 100.0));
      }
    }
  }
  const auto x = [&](double h) { return kLeft + h / hours * (kChartWidth - kLeft - kRight); };
  const auto y = [&](double figure) {
    const double clamped = std::clamp(figure, 0.0, top);
    return kTop + (1 - clamped / top) * (kChartHeight - kTop - kBottom);
  };
  const auto line = [&](std::u16string_view cls, double x1, double y1, double x2, double y2) {
    return u"<line class=\"" + std::u16string(cls) + u"\" x1=\"" + N(x1) + u"\" y1=\"" + N(y1) +
           u"\" x2=\"" + N(x2) + u"\" y2=\"" + N(y2) + u"\"/>";
  };
  const auto text = [&](double tx, double ty, std::u16string_view anchor, std::u16string_view t) {
    return u"<text class=\"tick\" x=\"" + N(tx) + u"\" y=\"" + N(ty) + u"\" text-anchor=\"" +
           std::u16string(anchor) + u"\">" + std::u16string(t) + u"</text>";
  };
  const auto stroke = [](calc::Scenario scenario) {
    std::u16string attributes = u" stroke=\"" + std::u16string(ScenarioColour(scenario)) + u"\"";
    if (!ScenarioDash(scenario).empty())
      attributes += u" stroke-dasharray=\"" + std::u16string(ScenarioDash(scenario)) + u"\"";
    return attributes;
  };

  std::u16string svg =
      u"<svg class=\"chart\" viewBox=\"0 0 641 280\" width=\"641\" height=\"280\" "
      u"role=\"img\" aria-label=\"飲酒開始からの時間と呼気1リットルあたりの"
      u"アルコール量のグラフ（数値は上の表のとおり）\">";
  svg += line(u"axis", kLeft, y(0), kChartWidth - kRight, y(0));
  svg += line(u"axis", kLeft, kTop, kLeft, y(0));
  const int step = std::max(1, static_cast<int>(std::ceil(hours / 12)));
  for (int h = 0; h <= hours; h += step)
    svg += text(x(h), y(0) + 16, u"middle", Ascii(std::to_string(h)));
  svg += text(kChartWidth - kRight, kChartHeight - 2, u"end", u"飲酒開始からの時間");
  svg += text(4, kTop - 4, u"start", u"mg/L");
  svg += text(kLeft - 4, y(0) + 4, u"end", u"0");
  // Which curve is which: a sample of its line and its name.
  for (std::size_t s = 0; s < analyses.size(); ++s) {
    const double at = kTop + 4 + 16 * static_cast<double>(s);
    svg += u"<line class=\"legend\" x1=\"" + N(kChartWidth - 250) + u"\" y1=\"" + N(at) +
           u"\" x2=\"" + N(kChartWidth - 220) + u"\" y2=\"" + N(at) + u"\"" +
           stroke(analyses[s].scenario) + u" stroke-width=\"2\"/>";
    svg += text(kChartWidth - 214, at + 4, u"start", ScenarioTitle(analyses[s].scenario));
  }
  // The two thresholds the verdict box names.
  for (double threshold : {0.15, 0.25}) {
    svg += line(u"threshold", kLeft, y(threshold), kChartWidth - kRight, y(threshold));
    svg += text(kLeft - 4, y(threshold) + 4, u"end", Number(threshold));
  }
  for (std::size_t s = 0; s < analyses.size(); ++s) {
    std::u16string points;
    for (int i = 0; i <= kSamples; ++i) {
      if (!figures[s][i]) continue;
      if (!points.empty()) points += u' ';
      points += N(x(hours * i / kSamples)) + u"," + N(y(*figures[s][i]));
    }
    svg += u"<polyline class=\"curve\" fill=\"none\"" + stroke(analyses[s].scenario) +
           u" points=\"" + points + u"\"/>";
  }
  // The entered time, and the entered figure at it.
  const calc::ScenarioAnalysis& entered = analyses[0];
  if (entered.result && entered.working.ElapsedTime >= 0 && entered.working.ElapsedTime <= hours) {
    const double at = x(entered.working.ElapsedTime);
    svg += line(u"entered", at, kTop, at, y(0));
    svg += u"<circle class=\"entered\" cx=\"" + N(at) + u"\" cy=\"" + N(y(entered.result.figure)) +
           u"\" r=\"4\"/>";
  }
  return svg + u"</svg>";
}

}  // namespace report
