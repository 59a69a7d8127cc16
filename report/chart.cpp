#include "report/chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "report/panel_words.h"
#include "report/text.h"

namespace report {
namespace {

constexpr double kLeft = 48, kRight = 16, kTop = 16, kBottom = 92;

std::u16string N(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return Ascii(text);
}

}  // namespace

std::u16string_view OfficialColour(std::size_t set) {
  return set == 0 ? u"#6a1b9a" : u"#00695c";
}

std::u16string_view OfficialDash(std::size_t set) {
  return set == 0 ? u"6 2 1 2" : u"14 4";
}

std::u16string OfficialTitle(const analysis::OfficialSet& set, std::size_t index) {
  if (set.label.find_first_not_of(u" \u3000") != std::u16string::npos) return set.label;
  return u"警察・検察の数値" + Ascii(std::to_string(index + 1));
}

std::u16string_view ScenarioColour(analysis::Scenario scenario) {
  switch (scenario) {
    case analysis::Scenario::Entered:
      return u"#1c2f80";
    case analysis::Scenario::Cautious:
      return u"#c00000";
    case analysis::Scenario::MostFavourable:
      return u"#2a7a2a";
    case analysis::Scenario::Court:
      break;
  }
  return u"#7a4a00";
}

std::u16string_view ScenarioDash(analysis::Scenario scenario) {
  switch (scenario) {
    case analysis::Scenario::Entered:
      return u"";
    case analysis::Scenario::Cautious:
      return u"8 4";
    case analysis::Scenario::MostFavourable:
      return u"2 3";
    case analysis::Scenario::Court:
      break;
  }
  return u"10 3 2 3";
}

std::u16string Chart(const analysis::Case& c) {
  const analysis::ChartSamples& chart = c.chart;
  const double hours = chart.hours, top = chart.top;
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
  const auto strokeOf = [](std::u16string_view colour, std::u16string_view dash) {
    std::u16string attributes = u" stroke=\"" + std::u16string(colour) + u"\"";
    if (!dash.empty()) attributes += u" stroke-dasharray=\"" + std::u16string(dash) + u"\"";
    return attributes;
  };
  // Each curve: its samples, its stroke and its name in the legend.
  struct Curve {
    const std::array<std::optional<double>, analysis::kChartSamples + 1>* samples;
    std::u16string stroke, name;
  };
  std::vector<Curve> curves;
  for (std::size_t s = 0; s < c.scenarios.size(); ++s) {
    const analysis::Scenario scenario = c.scenarios[s].scenario;
    curves.push_back({&chart.figures[s], strokeOf(ScenarioColour(scenario), ScenarioDash(scenario)),
                      std::u16string(ScenarioTitle(scenario))});
  }
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    if (!c.officials[s]) continue;
    curves.push_back({&chart.officials[s], strokeOf(OfficialColour(s), OfficialDash(s)),
                      Escape(OfficialTitle(c.officials[s]->set, s))});
  }

  // Two legend entries to a row; the absorption model's band has a line of
  // its own; the chart grows by the lines past the first two.
  bool banded = false;
  for (const auto& sample : chart.band) banded = banded || sample.has_value();
  const double rows = static_cast<double>((curves.size() + 1) / 2) + (banded ? 1 : 0);
  const double extra = 16 * (rows - 2);
  const double height = kChartHeight + extra;
  std::u16string svg = u"<svg class=\"chart\" viewBox=\"0 0 641 " + N(height) +
                       u"\" width=\"641\" height=\"" + N(height) +
                       u"\" role=\"img\" aria-label=\"飲酒開始からの時間と呼気1リットルあたりの"
                       u"アルコール量のグラフ（数値は上の表のとおり）\">";
  const double base = y(0);
  svg += line(u"axis", kLeft, base, kChartWidth - kRight, base);
  svg += line(u"axis", kLeft, kTop, kLeft, base);
  const int step = std::max(1, static_cast<int>(std::ceil(hours / 12)));
  for (int h = 0; h <= hours; h += step)
    svg += text(x(h), base + 16, u"middle", Ascii(std::to_string(h)));
  svg += text(kChartWidth - kRight, base + 30, u"end", u"飲酒開始からの時間");
  svg += text(kLeft + 4, kTop + 10, u"start", u"mg/L");
  svg += text(kLeft - 4, base + 4, u"end", u"0");
  svg += text(kLeft - 4, kTop + 4, u"end", Number(top));
  // Which curve is which, below the plot so that no curve runs under it.
  // Two to a row, each name clear of the next sample.
  const double legend = base + 44;
  for (std::size_t s = 0; s < curves.size(); ++s) {
    const double at = kLeft + 290 * static_cast<double>(s % 2);
    const double row = legend + 16 * static_cast<double>(s / 2);
    svg += u"<line class=\"legend\" x1=\"" + N(at) + u"\" y1=\"" + N(row) + u"\" x2=\"" +
           N(at + 24) + u"\" y2=\"" + N(row) + u"\"" + curves[s].stroke + u" stroke-width=\"2\"/>";
    svg += text(at + 28, row + 4, u"start", curves[s].name);
  }
  const double bandRow = legend + 16 * static_cast<double>((curves.size() + 1) / 2);
  if (banded) {
    svg += u"<rect class=\"band\" x=\"" + N(kLeft) + u"\" y=\"" + N(bandRow - 5) +
           u"\" width=\"24\" height=\"10\" fill=\"#9db7e0\" fill-opacity=\"0.6\"/>";
    svg += text(kLeft + 28, bandRow + 4, u"start", u"吸収のモデルの幅（入力した数値）");
    // Under the curves: the highest samples left to right, the lowest back.
    std::u16string upper, lower;
    for (int i = 0; i <= analysis::kChartSamples; ++i) {
      const auto& sample = chart.band[static_cast<std::size_t>(i)];
      if (!sample) continue;
      const std::u16string at = N(x(hours * i / analysis::kChartSamples));
      upper += (upper.empty() ? u"" : u" ") + at + u"," + N(y((*sample)[1]));
      lower = at + u"," + N(y((*sample)[0])) + (lower.empty() ? u"" : u" ") + lower;
    }
    svg +=
        u"<polygon class=\"band\" fill=\"#9db7e0\" fill-opacity=\"0.6\" stroke=\"none\" "
        u"points=\"" +
        upper + u" " + lower + u"\"/>";
  }
  // The two thresholds the verdict box names.
  for (double threshold : {0.15, 0.25}) {
    svg += line(u"threshold", kLeft, y(threshold), kChartWidth - kRight, y(threshold));
    svg += text(kLeft - 4, y(threshold) + 4, u"end", Number(threshold));
  }
  for (const Curve& curve : curves) {
    std::u16string points;
    for (int i = 0; i <= analysis::kChartSamples; ++i) {
      const std::optional<double>& sample = (*curve.samples)[static_cast<std::size_t>(i)];
      if (!sample) continue;
      if (!points.empty()) points += u' ';
      points += N(x(hours * i / analysis::kChartSamples)) + u"," + N(y(*sample));
    }
    svg += u"<polyline class=\"curve\" fill=\"none\"" + curve.stroke + u" points=\"" + points +
           u"\"/>";
  }
  // The times of the case, each a vertical line named at its foot: driving
  // (the entered time, with the entered figure on it), a drink after
  // driving, and the test with its measured figure.
  std::u16string marks;
  const auto mark = [&](std::u16string_view cls, std::optional<double> at,
                        std::u16string_view name) {
    if (!at || *at < 0 || *at > hours) return;
    svg += line(cls, x(*at), kTop, x(*at), base);
    if (!marks.empty()) marks += u"・";
    marks += name;
  };
  const analysis::ScenarioAnalysis& entered = c.scenarios[0];
  mark(u"entered", chart.drivingAt, u"実線の縦線：入力した経過時間（運転）");
  if (chart.drivingAt && *chart.drivingAt <= hours) {
    svg += u"<circle class=\"entered\" cx=\"" + N(x(*chart.drivingAt)) + u"\" cy=\"" +
           N(y(entered.result.figure)) + u"\" r=\"4\"/>";
  }
  mark(u"later", chart.laterAt, u"点線：運転後の飲酒");
  mark(u"test", chart.testAt, u"破線：検査");
  if (chart.testAt && chart.measured && *chart.testAt <= hours) {
    svg += u"<rect class=\"measured\" x=\"" + N(x(*chart.testAt) - 4) + u"\" y=\"" +
           N(y(*chart.measured) - 4) + u"\" width=\"8\" height=\"8\"/>";
    marks += u"（■ 測定値）";
  }
  // The model's range at driving and at the test, on the band.
  if (banded && c.absorption->model) {
    const analysis::Absorption& m = *c.absorption->model;
    for (const std::optional<std::int64_t>& minute :
         {std::optional<std::int64_t>(m.drivingMinute), m.testMinute}) {
      const double at = minute ? static_cast<double>(*minute) / 60 : -1;
      if (!minute || at > hours) continue;
      const auto k = static_cast<std::size_t>(*minute);
      svg += u"<line class=\"band-mark\" stroke=\"#1c2f80\" stroke-width=\"5\" x1=\"" + N(x(at)) +
             u"\" y1=\"" + N(y(m.bandLow[k])) + u"\" x2=\"" + N(x(at)) + u"\" y2=\"" +
             N(y(m.bandHigh[k])) + u"\"/>";
    }
  }
  if (!marks.empty()) svg += text(kLeft, legend + 38 + extra, u"start", marks);
  return svg + u"</svg>";
}

}  // namespace report
