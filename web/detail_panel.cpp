#include "web/detail_panel.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "calc/analysis.h"
#include "calc/input_boxes.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "web/page.h"

// The page's side (page.js).
// clang-format off
EM_JS(void, ShowPanel, (const char16_t* html, int bytes), {
  Module.page.showDetail(UTF16ToString(html, bytes));
});
// clang-format on

namespace web {
namespace {

using calc::Scenario;

std::u16string Ascii(std::string_view text) {
  return std::u16string(text.begin(), text.end());
}

std::u16string Number(double value) {
  return calc::NumberToText16(value);
}

// Exact, for checking against widmark-table: C99 %a.
std::u16string Hex(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%a", value);
  return Ascii(text);
}

// A duration from the start of drinking: 7時間12分.
std::u16string Duration(std::optional<std::int64_t> minutes) {
  if (!minutes) return u"求められません";
  return Ascii(std::to_string(*minutes / 60)) + u"時間" + Ascii(std::to_string(*minutes % 60)) +
         u"分";
}

std::u16string_view ScenarioTitle(Scenario scenario) {
  switch (scenario) {
    case Scenario::Entered:
      return u"入力した数値";
    case Scenario::Cautious:
      return u"慎重な数値（翌朝の確認）";
    case Scenario::MostFavourable:
      return u"被検査者に最も有利な数値";
  }
  return u"";
}

std::u16string_view VerdictText(calc::Verdict verdict) {
  switch (verdict) {
    case calc::Verdict::Punishable:
      return u"可罰的酒気帯び運転（0.15を超える）";
    case calc::Verdict::NotPunishable:
      return u"該当しない（0.15以下）";
    case calc::Verdict::BelowZero:
      return u"アルコール保有量は０";
  }
  return u"";
}

// Colours of the three curves and their columns.
constexpr std::array<std::u16string_view, 3> kColours = {u"#1c2f80", u"#c00000", u"#2a7a2a"};

std::u16string ScenarioTable(const std::array<calc::ScenarioAnalysis, 3>& analyses) {
  std::u16string html =
      u"<table class=\"scenarios\"><caption>三つの前提による数値と、飲酒開始からの時間"
      u"</caption><thead><tr><td></td>";
  for (const auto& a : analyses) {
    html += u"<th scope=\"col\" style=\"color:" +
            std::u16string(kColours[static_cast<int>(a.scenario)]) + u"\">" +
            std::u16string(ScenarioTitle(a.scenario)) + u"</th>";
  }
  html += u"</tr></thead><tbody><tr><th scope=\"row\">分布係数・減少率・換算率</th>";
  for (const auto& a : analyses) {
    html += u"<td>" + Number(a.inputs.DistributionFactor) + u"・" +
            Number(a.inputs.EliminationRate) + u"・" + Number(a.inputs.BreathRatio) + u"</td>";
  }
  html += u"</tr><tr><th scope=\"row\">呼気1リットルあたり</th>";
  for (const auto& a : analyses) {
    html += a.result ? u"<td data-figure=\"" + Hex(a.result.figure) + u"\">" +
                           Number(a.result.figure) + u" mg</td>"
                     : u"<td data-figure=\"error\">計算できません</td>";
  }
  html += u"</tr><tr><th scope=\"row\">判定</th>";
  for (const auto& a : analyses) {
    html +=
        u"<td>" +
        std::u16string(a.result ? VerdictText(calc::JudgeBreathAlcohol(a.result.figure)) : u"—") +
        u"</td>";
  }
  const auto minutesRow = [&](std::u16string_view title, auto member) {
    html += u"<tr><th scope=\"row\">" + std::u16string(title) + u"</th>";
    for (const auto& a : analyses) {
      const std::optional<std::int64_t>& minutes = a.*member;
      html += u"<td data-minutes=\"" + (minutes ? Ascii(std::to_string(*minutes)) : u"-") + u"\">" +
              (a.result ? Duration(minutes) : u"—") + u"</td>";
    }
    html += u"</tr>";
  };
  html += u"</tr>";
  minutesRow(u"0.15以下になるまで", &calc::ScenarioAnalysis::minutesToLimit);
  minutesRow(u"0になるまで", &calc::ScenarioAnalysis::minutesToZero);
  return html + u"</tbody></table>";
}

std::u16string WorkingTable(const calc::ScenarioAnalysis& entered) {
  struct Row {
    std::u16string_view step;
    double calc::Working::*value;
    std::u16string_view unit;
  };
  static constexpr std::array<Row, 9> kRows = {{
      {u"エタノールの量", &calc::Working::EthanolVolume, u"cc"},
      {u"エタノールの質量（量×比重）", &calc::Working::EthanolMass, u"g"},
      {u"体内分布量（分布係数×体重）", &calc::Working::DistributionMass, u"kg"},
      {u"経過時間", &calc::Working::ElapsedTime, u"時間"},
      {u"減少前の血中濃度", &calc::Working::Concentration, u"g/kg"},
      {u"減少量（減少率×経過時間）", &calc::Working::EliminatedAlcohol, u"g/kg"},
      {u"血中濃度", &calc::Working::BloodAlcohol, u"g/kg"},
      {u"血中濃度（ミリグラム）", &calc::Working::Milligrams, u"mg/kg"},
      {u"呼気1リットルあたり（÷換算率）", &calc::Working::BreathAlcohol, u"mg/L"},
  }};
  std::u16string html =
      u"<table class=\"working\"><caption>入力した数値による計算の過程</caption><thead><tr>"
      u"<th scope=\"col\">段階</th><th scope=\"col\">値</th><th scope=\"col\">単位</th></tr>"
      u"</thead><tbody>";
  for (const Row& row : kRows) {
    const double value = entered.working.*row.value;
    html += u"<tr><th scope=\"row\">" + std::u16string(row.step) + u"</th><td>" +
            (std::isnan(value) ? u"—" : Number(value)) + u"</td><td>" + std::u16string(row.unit) +
            u"</td></tr>";
  }
  if (!entered.result)
    html += u"<tr><td colspan=\"3\">この段階で計算できなくなりました。</td></tr>";
  return html + u"</tbody></table>";
}

// The chart: the figure against the hours since drinking began for the three
// scenarios, lines at 0.15 and 0.25, and a mark at the entered time.
std::u16string Chart(const std::array<calc::ScenarioAnalysis, 3>& analyses) {
  constexpr double kWidth = 641, kHeight = 280, kLeft = 48, kRight = 16, kTop = 16, kBottom = 36;
  constexpr int kSamples = 160;
  double hours = 0;
  for (const auto& a : analyses) {
    if (a.minutesToZero) hours = std::max(hours, *a.minutesToZero / 60.0);
    if (a.result) hours = std::max(hours, a.working.ElapsedTime);
  }
  hours = std::ceil(std::clamp(hours * 1.1, 1.0, 1000.0));

  std::array<std::array<std::optional<double>, kSamples + 1>, 3> figures{};
  double top = 0.3;
  for (std::size_t s = 0; s < analyses.size(); ++s) {
    for (int i = 0; i <= kSamples; ++i) {
      calc::WidmarkInputs in = analyses[s].inputs;
      in.ElapsedHours = 0;
      in.ElapsedMinutes = std::round(hours * 60 * i / kSamples);
      const calc::BreathAlcoholResult r = calc::ComputeBreathAlcohol(in);
      if (r && std::isfinite(r.figure)) {
        figures[s][i] = r.figure;
        top = std::max(top, std::min(r.figure, 100.0));
      }
    }
  }
  const auto x = [&](double h) { return kLeft + h / hours * (kWidth - kLeft - kRight); };
  const auto y = [&](double figure) {
    const double clamped = std::clamp(figure, 0.0, top);
    return kTop + (1 - clamped / top) * (kHeight - kTop - kBottom);
  };
  const auto n = [](double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", v);
    return Ascii(text);
  };

  std::u16string svg =
      u"<svg class=\"chart\" viewBox=\"0 0 641 280\" width=\"641\" height=\"280\" "
      u"role=\"img\" aria-label=\"飲酒開始からの時間と呼気1リットルあたりの"
      u"アルコール量のグラフ（数値は上の表のとおり）\">";
  // Axes and hour marks.
  svg += u"<line class=\"axis\" x1=\"" + n(kLeft) + u"\" y1=\"" + n(y(0)) + u"\" x2=\"" +
         n(kWidth - kRight) + u"\" y2=\"" + n(y(0)) + u"\"/>";
  svg += u"<line class=\"axis\" x1=\"" + n(kLeft) + u"\" y1=\"" + n(kTop) + u"\" x2=\"" + n(kLeft) +
         u"\" y2=\"" + n(y(0)) + u"\"/>";
  const int step = std::max(1, static_cast<int>(std::ceil(hours / 12)));
  for (int h = 0; h <= hours; h += step) {
    svg += u"<text class=\"tick\" x=\"" + n(x(h)) + u"\" y=\"" + n(y(0) + 16) +
           u"\" text-anchor=\"middle\">" + Ascii(std::to_string(h)) + u"</text>";
  }
  svg += u"<text class=\"tick\" x=\"" + n(kWidth - kRight) + u"\" y=\"" + n(kHeight - 2) +
         u"\" text-anchor=\"end\">飲酒開始からの時間</text>";
  svg += u"<text class=\"tick\" x=\"4\" y=\"" + n(kTop - 4) + u"\">mg/L</text>";
  svg += u"<text class=\"tick\" x=\"" + n(kLeft - 4) + u"\" y=\"" + n(y(0) + 4) +
         u"\" text-anchor=\"end\">0</text>";
  // Which curve is which, in the table's colours.
  for (std::size_t s = 0; s < analyses.size(); ++s) {
    const double at = kTop + 4 + 16 * static_cast<double>(s);
    svg += u"<line x1=\"" + n(kWidth - 250) + u"\" y1=\"" + n(at) + u"\" x2=\"" + n(kWidth - 226) +
           u"\" y2=\"" + n(at) + u"\" stroke=\"" + std::u16string(kColours[s]) +
           u"\" stroke-width=\"2\"/><text class=\"tick\" x=\"" + n(kWidth - 220) + u"\" y=\"" +
           n(at + 4) + u"\">" + std::u16string(ScenarioTitle(analyses[s].scenario)) + u"</text>";
  }
  // The two thresholds the verdict box names.
  for (double threshold : {0.15, 0.25}) {
    svg += u"<line class=\"threshold\" x1=\"" + n(kLeft) + u"\" y1=\"" + n(y(threshold)) +
           u"\" x2=\"" + n(kWidth - kRight) + u"\" y2=\"" + n(y(threshold)) + u"\"/>";
    svg += u"<text class=\"tick\" x=\"" + n(kLeft - 4) + u"\" y=\"" + n(y(threshold) + 4) +
           u"\" text-anchor=\"end\">" + Number(threshold) + u"</text>";
  }
  // The curves.
  for (std::size_t s = 0; s < analyses.size(); ++s) {
    std::u16string points;
    for (int i = 0; i <= kSamples; ++i) {
      if (!figures[s][i]) continue;
      if (!points.empty()) points += u' ';
      points += n(x(hours * i / kSamples)) + u"," + n(y(*figures[s][i]));
    }
    svg += u"<polyline class=\"curve\" fill=\"none\" stroke=\"" + std::u16string(kColours[s]) +
           u"\" points=\"" + points + u"\"/>";
  }
  // The entered time, and the entered figure at it.
  const calc::ScenarioAnalysis& entered = analyses[0];
  if (entered.result && entered.working.ElapsedTime >= 0 && entered.working.ElapsedTime <= hours) {
    const double at = x(entered.working.ElapsedTime);
    svg += u"<line class=\"entered\" x1=\"" + n(at) + u"\" y1=\"" + n(kTop) + u"\" x2=\"" + n(at) +
           u"\" y2=\"" + n(y(0)) + u"\"/>";
    svg += u"<circle class=\"entered\" cx=\"" + n(at) + u"\" cy=\"" + n(y(entered.result.figure)) +
           u"\" r=\"4\"/>";
  }
  return svg + u"</svg>";
}

}  // namespace

std::u16string DetailPanelHtml(const calc::WidmarkInputs& entered) {
  const auto analyses = calc::Analyse(entered);
  std::u16string html = u"<h2 id=\"detail-title\">計算の詳細</h2>";
  html += ScenarioTable(analyses);
  html += WorkingTable(analyses[0]);
  html += u"<figure>" + Chart(analyses) +
          u"<figcaption>三つの前提による呼気1リットルあたりのアルコール量の推移（縦線は入力"
          u"した経過時間、破線は0.15と0.25）</figcaption></figure>";
  return html;
}

void ShowDetailPanel() {
  calc::WidmarkInputs in;
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i) {
    const calc::NumberReading reading = calc::ReadNumber(BoxText(calc::kInputBoxTable[i].name));
    if (!reading) {
      const std::u16string html = u"<h2 id=\"detail-title\">計算の詳細</h2><p>「" +
                                  std::u16string(calc::kInputBoxTable[i].caption) +
                                  (reading.fault == calc::ReadFault::BeyondRange
                                       ? u"」の数値が大きすぎて読み取れません。</p>"
                                       : u"」の入力を数値として読み取れません。</p>");
      ShowPanel(html.data(), static_cast<int>(html.size() * sizeof(char16_t)));
      return;
    }
    in.*calc::kFieldOfBox[i] = reading.value;
  }
  const std::u16string html = DetailPanelHtml(in);
  ShowPanel(html.data(), static_cast<int>(html.size() * sizeof(char16_t)));
}

}  // namespace web
