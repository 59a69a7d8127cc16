#include "report/detail_panel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "analysis/limit_amounts.h"
#include "calc/number_text.h"
#include "report/absorption.h"
#include "report/chart.h"
#include "report/panel_words.h"
#include "report/text.h"

namespace report {
namespace {

std::u16string Cell(std::u16string_view attribute, std::u16string_view value,
                    std::u16string_view content) {
  return u"<td " + std::u16string(attribute) + u"=\"" + Escape(value) + u"\">" +
         std::u16string(content) + u"</td>";
}

std::u16string Header(analysis::Scenario scenario) {
  return u"<th scope=\"col\" style=\"color:" + std::u16string(ScenarioColour(scenario)) + u"\">" +
         std::u16string(ScenarioTitle(scenario)) + u"</th>";
}

// Common servings, for reading an amount: beer in cans and bottles, sake in
// 合, other drinks in glasses.
std::u16string ServingsOf(analysis::Drink drink, std::int64_t cc) {
  switch (drink) {
    case analysis::Drink::Sake:
      return u"（" + Servings(cc, 180) + u"合）";
    case analysis::Drink::Beer:
      return u"（350 mL缶 " + Servings(cc, 350) + u"本・500 mL瓶 " + Servings(cc, 500) + u"本）";
    case analysis::Drink::Other:
      break;
  }
  return u"（120 mLのグラス " + Servings(cc, 120) + u"杯）";
}

}  // namespace

namespace {

bool Morning(const analysis::Case& c) {
  return c.inputs.purpose == analysis::Purpose::Morning;
}

// The morning after counts every time from the end of drinking.
bool FromEnd(const analysis::Case& c, const analysis::ScenarioAnalysis& s) {
  return c.fromEnd && s.scenario == analysis::Scenario::Cautious;
}

// How a figure stands to the law's threshold; at 0.15 itself, the window's
// verdict differs, and is named beside it.
std::u16string Standing(double figure, bool verdict = true) {
  std::u16string text(StandingText(analysis::StandingOf(figure)));
  if (figure == calc::kLegalLimit && !verdict) return text + u"（0.15ちょうど）";
  if (figure == calc::kLegalLimit) {
    text += u"（0.15ちょうど。この計算機の判定は「" +
            std::u16string(VerdictText(calc::JudgeBreathAlcohol(figure))) + u"」）";
  }
  return text;
}

// A figure as the window shows it: below zero it is 0, the exact value kept
// for screen readers (and in data-figure).
std::u16string Shown(double figure, std::u16string_view unit, Figures figures) {
  if (figure >= 0) return MgL(figure, figures) + std::u16string(unit);
  return u"0" + std::u16string(unit) + u"<span class=\"sr-only\">（計算上は " +
         MgL(figure, figures) + u"、アルコール保有量は０）</span>";
}

// A time to the limit or to zero: its duration, from the start of drinking
// or from its end, and its clock time where the start is known.
std::u16string When(const analysis::Case& a, const std::optional<std::int64_t>& minutes) {
  if (!minutes) return Duration(minutes);
  std::u16string text = (a.fromEnd ? u"飲み終わりから" : u"") + Duration(minutes);
  if (a.inputs.startMinute) {
    text += u"（" + ClockTime(*a.inputs.startMinute, a.windowFrom + *minutes) + u"）";
  }
  return text;
}

// The rows of how each figure stands: to the law's threshold, and for the
// morning after by the window's own verdict (which stays in the window when
// an official figure is checked). `extra` cells follow the law's row.
template <typename Items, typename ResultOf>
void Verdicts(std::u16string& html, const Items& items, ResultOf result, bool verdict,
              const std::u16string& extra = u"") {
  html += u"<tr><th scope=\"row\">法令の基準（0.15以上）</th>";
  for (const auto& item : items) {
    const calc::BreathAlcoholResult r = result(item);
    html += u"<td>" + (r ? Standing(r.figure, verdict) : u"—") + u"</td>";
  }
  html += extra + u"</tr>";
  if (!verdict) return;
  html += u"<tr><th scope=\"row\">この計算機の判定</th>";
  for (const auto& item : items) {
    const calc::BreathAlcoholResult r = result(item);
    html += u"<td>" + std::u16string(r ? VerdictText(calc::JudgeBreathAlcohol(r.figure)) : u"—") +
            u"</td>";
  }
  html += u"</tr>";
}

}  // namespace

std::u16string MgL(double figure, Figures figures) {
  return figures == Figures::Exact ? Number(figure) : calc::CutToDecimals(figure, 4);
}

std::u16string HoursMinutes(const analysis::HoursAndMinutes& time) {
  return Number(time.hours) + u"時間" + Number(time.minutes) + u"分";
}

std::u16string ScenarioTable(const analysis::Case& panel, Figures figures) {
  const analysis::Analyses& analyses = panel.scenarios;
  // The prosecution's sets stand beside the four, where given.
  std::vector<std::size_t> sets;
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s)
    if (panel.officials[s]) sets.push_back(s);
  const auto official = [&](std::size_t s) -> const analysis::OfficialCheck& {
    return *panel.officials[s];
  };
  std::u16string html =
      sets.empty()
          ? u"<table class=\"scenarios\"><caption>四つの前提による数値と、0.15以下・0になるまでの"
            u"時間</caption><thead><tr><td></td>"
          : u"<table class=\"scenarios\"><caption>四つの前提と警察・検察の数値による数値と、0.15"
            u"以下・0になるまでの時間</caption><thead><tr><td></td>";
  for (const auto& a : analyses) {
    html += FromEnd(panel, a)
                ? u"<th scope=\"col\" style=\"color:" + std::u16string(ScenarioColour(a.scenario)) +
                      u"\">慎重な数値（翌朝の確認、飲み終わりから）</th>"
                : Header(a.scenario);
  }
  for (std::size_t s : sets) {
    html += u"<th scope=\"col\" class=\"official\" style=\"color:" +
            std::u16string(OfficialColour(s)) + u"\">" + Escape(OfficialTitle(official(s).set, s)) +
            u"</th>";
  }
  const auto parameters = [](const calc::WidmarkInputs& in) {
    return u"<td>" + Number(in.DistributionFactor) + u"・" + Number(in.EliminationRate) + u"・" +
           Number(in.BreathRatio) + u"・" + Number(in.EthanolGravity) + u"</td>";
  };
  html += u"</tr></thead><tbody><tr><th scope=\"row\">分布係数・減少率・換算率・比重</th>";
  for (const auto& a : analyses) html += parameters(a.inputs);
  for (std::size_t s : sets) html += parameters(official(s).inputs);
  html += u"</tr><tr><th scope=\"row\">呼気1リットルあたり</th>";
  for (const auto& a : analyses) {
    html += a.result ? Cell(u"data-figure", Hex(a.result.figure),
                            Shown(a.result.figure, u" mg", figures))
                     : Cell(u"data-figure", u"error", u"計算できません");
  }
  for (std::size_t s : sets) {
    const calc::BreathAlcoholResult& r = official(s).result;
    html += r ? Cell(u"data-official-figure", Hex(r.figure), Shown(r.figure, u" mg", figures))
              : Cell(u"data-official-figure", u"error", u"計算できません");
  }
  html += u"</tr>";
  std::u16string officialStanding;
  for (std::size_t s : sets) {
    const calc::BreathAlcoholResult& r = official(s).result;
    officialStanding += u"<td>" + (r ? Standing(r.figure, Morning(panel)) : u"—") + u"</td>";
  }
  Verdicts(
      html, analyses, [](const analysis::ScenarioAnalysis& a) { return a.result; }, Morning(panel),
      officialStanding);
  const auto minutesRow = [&](std::u16string_view title, auto member, auto officialMember) {
    html += u"<tr><th scope=\"row\">" + std::u16string(title) + u"</th>";
    for (const auto& a : analyses) {
      const std::optional<std::int64_t>& minutes = a.*member;
      html += Cell(u"data-minutes", minutes ? Ascii(std::to_string(*minutes)) : u"-",
                   a.result ? When(panel, minutes) : u"—");
    }
    for (std::size_t s : sets) {
      const std::optional<std::int64_t>& minutes = official(s).*officialMember;
      std::u16string shown = official(s).result ? Duration(minutes) : u"—";
      if (minutes && panel.inputs.startMinute)
        shown += u"（" + ClockTime(*panel.inputs.startMinute, *minutes) + u"）";
      html += u"<td>" + shown + u"</td>";
    }
    html += u"</tr>";
  };
  minutesRow(u"0.15以下になるまで", &analysis::ScenarioAnalysis::minutesToLimit,
             &analysis::OfficialCheck::minutesToLimit);
  minutesRow(u"0になるまで", &analysis::ScenarioAnalysis::minutesToZero,
             &analysis::OfficialCheck::minutesToZero);
  html += u"</tbody></table>";
  if (sets.empty()) return html;
  // Six columns may be wider than a narrow panel: they scroll in a region of
  // their own, which the keyboard reaches.
  return u"<div class=\"wide\" tabindex=\"0\" role=\"region\" "
         u"aria-label=\"四つの前提と警察・検察の数値による数値\">" +
         html + u"</div>";
}

// The prosecution's stated figures beside ours under their own values.
std::u16string OfficialTable(const analysis::Case& c, Figures figures) {
  std::u16string html;
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    if (!c.officials[s] || !c.officials[s]->set.stated) continue;
    const analysis::OfficialCheck& o = *c.officials[s];
    const analysis::StatedFigure& stated = *o.set.stated;
    html += u"<tr><th scope=\"row\" style=\"color:" + std::u16string(OfficialColour(s)) + u"\">" +
            Escape(OfficialTitle(o.set, s)) + u"</th><td>" + Number(stated.value) + u" mg</td>";
    if (!o.result) {
      html += u"<td colspan=\"3\" data-match=\"error\">この数値では計算できません</td></tr>";
      continue;
    }
    // Ours to the decimals they stated, by the rule that gives theirs.
    const bool cut = o.match == analysis::Match::Cut;
    std::u16string ours = Ascii(analysis::RoundedDigits(o.result.figure, stated.decimals, cut));
    if (stated.decimals > 0) {
      ours.insert(0,
                  static_cast<std::size_t>(
                      std::max(0, stated.decimals + 1 - static_cast<int>(ours.size()))),
                  u'0');
      ours.insert(ours.size() - static_cast<std::size_t>(stated.decimals), 1, u'.');
    }
    if (o.result.figure < 0 && ours.find_first_not_of(u"0.") != std::u16string::npos)
      ours.insert(0, 1, u'-');
    html += u"<td>" + ours + u" mg（" + (cut ? u"切り捨て" : u"四捨五入") + u"、小数第" +
            Ascii(std::to_string(stated.decimals)) + u"位まで）</td>";
    if (o.match != analysis::Match::Differ) {
      html += u"<td data-match=\"" + Ascii(analysis::MatchName(o.match)) + u"\">一致（" +
              (cut ? u"切り捨てで" : u"四捨五入で") + u"）</td><td>—</td></tr>";
      continue;
    }
    const auto solved = [&](const std::optional<double>& v, std::u16string_view name) {
      return std::u16string(name) + (v ? Number(*v) : u"該当する値なし");
    };
    html += u"<td data-match=\"differ\">不一致（差 " + MgL(*o.difference, figures) +
            u" mg）</td><td>" + solved(o.rAlone, u"分布係数だけなら ") + u"<br>" +
            solved(o.betaAlone, u"減少率だけなら ") + u"</td></tr>";
  }
  if (html.empty()) return u"";
  return u"<table class=\"official-check\"><caption>警察・検察の示した数値との照合（同じ値での"
         u"この計算）</caption><thead><tr><td></td><th scope=\"col\">示された数値</th><th "
         u"scope=\"col\">この計算</th><th scope=\"col\">照合</th><th scope=\"col\">示された数値に"
         u"なる値</th></tr></thead><tbody>" +
         html + u"</tbody></table>";
}

namespace {

// Checking an official figure: the entered figure in the law's words, and
// how each stated figure compares; no morning answer, no window verdict.
std::u16string CheckHeadline(const analysis::Case& panel, Figures figures) {
  const analysis::ScenarioAnalysis& entered = panel.scenarios[0];
  std::u16string text = u"入力した数値による運転時の数値は呼気1リットルあたり ";
  if (!entered.result) return text + u"計算できません。";
  const double figure = entered.result.figure;
  text += (figure < 0 ? u"0" : MgL(figure, figures)) +
          u" mg で、法令の基準（呼気1リットルにつき"
          u"0.15ミリグラム以上）に照らして" +
          Standing(figure, false) + u"です。";
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    if (!panel.officials[s] || !panel.officials[s]->set.stated || !panel.officials[s]->result)
      continue;
    const analysis::OfficialCheck& o = *panel.officials[s];
    text += OfficialTitle(o.set, s) + u"の値では " + MgL(o.result.figure, figures) +
            u" mg で、示された " + Number(o.set.stated->value) + u" mg と" +
            (o.match == analysis::Match::Differ ? u"一致しません。" : u"一致します。");
  }
  return text;
}

}  // namespace

std::u16string Headline(const analysis::Case& panel, Figures figures) {
  if (!Morning(panel)) return CheckHeadline(panel, figures);
  const analysis::ScenarioAnalysis& entered = panel.scenarios[0];
  const analysis::ScenarioAnalysis& cautious = panel.scenarios[1];
  std::u16string text;
  // First the one answer the morning after asks for: when even the cautious
  // figure is 0.
  if (cautious.result && cautious.minutesToZero) {
    text += u"アルコールが0になるのは（慎重な数値で）";
    const std::int64_t zero = panel.windowFrom + *cautious.minutesToZero;
    const std::optional<int>& start = panel.inputs.startMinute;
    text += start && panel.inputs.startDate ? DatedTime(*panel.inputs.startDate, *start, zero)
            : start                         ? ClockTime(*start, zero)
                    : (panel.fromEnd ? u"飲み終わりから" : u"飲酒開始から") +
                          Duration(cautious.minutesToZero);
    text += u" ごろ以降。";
  }
  text += u"呼気1リットルあたり ";
  if (!entered.result) return text + u"計算できません。";
  const double figure = entered.result.figure;
  text += (figure < 0 ? u"0" : MgL(figure, figures)) + u" mg、" + Standing(figure);
  if (figure != calc::kLegalLimit) {
    text += u"（この計算機の判定は「" +
            std::u16string(VerdictText(calc::JudgeBreathAlcohol(figure))) + u"」）";
  }
  text += u"。";
  if (cautious.result) {
    // Said in full here: from the start of drinking unless counted from its end.
    const std::u16string_view from = panel.fromEnd ? u"" : u"飲酒開始から";
    text += u"慎重な数値でも0.15以下になるのは" + std::u16string(from) +
            When(panel, cautious.minutesToLimit) + u"、0になるのは" + std::u16string(from) +
            When(panel, cautious.minutesToZero) + u"。";
  }
  return text;
}

std::u16string Answer(const analysis::Case& panel, Figures figures) {
  std::u16string html =
      u"<div class=\"answer\"><p class=\"headline\">" + Escape(Headline(panel, figures)) + u"</p>";
  if (panel.inputs.startMinute && panel.drivingMinutes) {
    html += std::u16string(panel.fromEnd ? u"<p>入力した経過時間は、飲み終わり（"
                                         : u"<p>入力した経過時間は、飲み始め（") +
            ClockTime(*panel.inputs.startMinute, panel.windowFrom) + u"）から " +
            ClockTime(*panel.inputs.startMinute, *panel.drivingMinutes) + u" までです。</p>";
  }
  // The effects band and the purpose box's warning speak to the morning after.
  if (panel.scenarios[0].result && Morning(panel)) {
    const std::u16string_view band = EffectsBand(panel.scenarios[0].result.figure);
    if (!band.empty()) html += u"<p class=\"effects\">" + std::u16string(band) + u"</p>";
  }
  if (Morning(panel)) html += u"<p class=\"safety\">" + std::u16string(kSafetyWords) + u"</p>";
  html += u"<p class=\"law\">" + std::u16string(kLawWords) + u"</p>";
  return html + u"</div>";
}

std::u16string WorkingTable(const analysis::Case& c) {
  const analysis::ScenarioAnalysis& entered = c.scenarios[0];
  struct Row {
    std::u16string_view step;
    double calc::Working::*value;
    std::u16string_view unit;
  };
  static constexpr std::array<Row, 9> kRows = {{
      {u"エタノールの量", &calc::Working::EthanolVolume, u"cc"},
      {u"エタノールの質量（量×比重）", &calc::Working::EthanolMass, u"g"},
      {u"体内分布量（分布係数×体重）", &calc::Working::DistributionMass, u"kg"},
      {u"経過時間", &calc::Working::ElapsedTime, u""},
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
    // The time as hours and minutes, never as a decimal of hours, with its
    // clock times where drinking's start is known.
    std::u16string shown = std::isnan(value) ? u"—" : Number(value);
    if (row.value == &calc::Working::ElapsedTime && !std::isnan(value)) {
      shown = HoursMinutes(c.drivingTime);
      if (c.inputs.startMinute && c.drivingMinutes) {
        shown += u"（" + ClockTime(*c.inputs.startMinute, c.windowFrom) + u"〜" +
                 ClockTime(*c.inputs.startMinute, *c.drivingMinutes) + u"）";
      }
    }
    html += u"<tr><th scope=\"row\">" + std::u16string(row.step) + u"</th><td>" + shown +
            u"</td><td>" + std::u16string(row.unit) + u"</td></tr>";
  }
  if (!entered.result)
    html += u"<tr><td colspan=\"3\">この段階で計算できなくなりました。</td></tr>";
  return html + u"</tbody></table>";
}

std::u16string AmountTable(const analysis::Case& c) {
  std::u16string html =
      u"<table class=\"amounts\"><caption>0.15以下にとどまる最大の量と、0.15以上になる最小の量"
      u"（判決の言い方。他の飲み物は入力のとおり、入力した経過時間で）</caption><thead><tr><td></"
      u"td>";
  for (analysis::Drink drink : analysis::kDrinks)
    html += u"<th scope=\"col\">" + std::u16string(DrinkTitle(drink)) + u"</th>";
  html += u"</tr></thead><tbody>";
  for (std::size_t s = 0; s < c.scenarios.size(); ++s) {
    const analysis::Scenario scenario = c.scenarios[s].scenario;
    html += u"<tr><th scope=\"row\" style=\"color:" + std::u16string(ScenarioColour(scenario)) +
            u"\">" + std::u16string(ScenarioTitle(scenario)) + u"</th>";
    for (std::size_t d = 0; d < analysis::kDrinks.size(); ++d) {
      const analysis::LimitAmount& amount = c.amounts[s][d].most;
      // The court's phrase beside it: the least at which the figure is 0.15 or more.
      const std::optional<std::int64_t>& least = c.amounts[s][d].least;
      const std::u16string phrase = least ? u"<br><span data-least=\"" +
                                                Ascii(std::to_string(*least)) + u"\">" +
                                                Grouped(*least) + u" cc 以上で0.15以上</span>"
                                          : u"<span data-least=\"-\"></span>";
      html += amount.cc
                  ? Cell(u"data-amount", Ascii(std::to_string(*amount.cc)),
                         Grouped(*amount.cc) + u" cc" +
                             ServingsOf(analysis::kDrinks[d], *amount.cc) + phrase)
                  : Cell(u"data-amount", u"-", std::u16string(NoAmountText(amount.why)) + phrase);
    }
    html += u"</tr>";
  }
  return html + u"</tbody></table>";
}

std::u16string BackSection(const analysis::Case& c, Figures figures) {
  if (!c.back) return u"";
  const analysis::BackAnalysis& a = *c.back;
  const analysis::BackInputs& back = *c.inputs.back;
  std::u16string html =
      u"<table class=\"back\"><caption>後の検査から運転時へ（測定値 " +
      MgL(back.measured, figures) +
      (back.later ? u" mg/L に、検査までに減った量を加え、運転後に飲んだ分を引く）"
                  : u" mg/L に、検査までに減った量を加える）") +
      u"</caption><thead><tr><td></td>";
  for (const analysis::BackFigure& f : a.figures)
    html += u"<th scope=\"col\">" + std::u16string(ConditionTitle(f.condition)) + u"</th>";
  const bool later = back.later.has_value();
  html += later ? u"</tr></thead><tbody><tr><th scope=\"row\">減少率・分布係数・換算率</th>"
                : u"</tr></thead><tbody><tr><th scope=\"row\">減少率・換算率</th>";
  for (const analysis::BackFigure& f : a.figures) {
    html += u"<td>" + Number(f.corner.eliminationRate) + u"・";
    if (later && f.corner.distributionFactor) html += Number(*f.corner.distributionFactor) + u"・";
    html += Number(f.corner.breathRatio) + u"</td>";
  }
  // The delay is the same for every condition: once, with the clock times
  // where driving's is given.
  html += u"</tr><tr><th scope=\"row\">運転から検査まで</th><td colspan=\"3\">";
  html += c.backTime ? HoursMinutes(*c.backTime) : u"—";
  // The clock: driving's own time, or the entered time after drinking began.
  std::optional<std::pair<int, std::int64_t>> driving;
  if (c.inputs.driveMinute) {
    driving = {*c.inputs.driveMinute, 0};
  } else if (c.inputs.startMinute && c.drivingMinutes) {
    driving = {*c.inputs.startMinute, *c.drivingMinutes};
  }
  if (driving && c.backMinutes) {
    const auto [clock, offset] = *driving;
    html += u"（運転 " + ClockTime(clock, offset);
    if (c.laterAfterDriving)
      html += u"、運転後の飲酒 " + ClockTime(clock, offset + *c.laterAfterDriving);
    html += u"、検査 " + ClockTime(clock, offset + *c.backMinutes) + u"）";
  }
  html += u"</td></tr><tr><th scope=\"row\">加える量</th>";
  for (const analysis::BackFigure& f : a.figures)
    html += u"<td>" + (f.atDriving ? MgL(f.added, figures) + u" mg/L" : u"—") + u"</td>";
  if (later) {
    html += u"</tr><tr><th scope=\"row\">運転後に飲んだ分（引く量）</th>";
    for (const analysis::BackFigure& f : a.figures)
      html += u"<td>" + (f.atDriving ? MgL(f.subtracted, figures) + u" mg/L" : u"—") + u"</td>";
  }
  html += u"</tr><tr><th scope=\"row\">運転時の数値</th>";
  for (const analysis::BackFigure& f : a.figures) {
    html += f.atDriving ? Cell(u"data-back-figure", Hex(f.atDriving.figure),
                               MgL(f.atDriving.figure, figures) + u" mg/L")
                        : Cell(u"data-back-figure", u"error", u"計算できません");
  }
  html += u"</tr>";
  Verdicts(
      html, a.figures, [](const analysis::BackFigure& f) { return f.atDriving; }, Morning(c));
  html += u"</tbody></table><p class=\"cross-check\" data-cross-check=\"" +
          Ascii(analysis::CrossCheckName(a.crossCheck)) + u"\">";
  if (a.crossCheck != analysis::CrossCheck::None) {
    html += u"入力した飲酒量による検査時の数値（四つの前提）は " + MgL(a.lowest, figures) + u"〜" +
            MgL(a.highest, figures) + u" mg/L です。";
  }
  return html + std::u16string(CrossCheckText(a.crossCheck)) + u"</p>";
}

std::u16string Caveats(const analysis::Case& c) {
  std::u16string items;
  if (c.drivenWhileAbsorbing) {
    items += c.drinkingMinutes
                 ? u"<li>運転は飲み終えてから2時間以内です。"
                 : u"<li>運転は飲み始めてから2時間以内です（飲み終えた時刻は入力されていません）。";
    items +=
        u"アルコールの吸収が終わる前で、運転時の数値は、吸収を終えたものとする計算（前向きの"
        u"数値を含む）より低かった可能性があります。</li>";
  }
  if (c.laterBeforeTest && *c.laterBeforeTest < 60) {
    items +=
        u"<li>運転の後の飲酒は検査の1時間以内です。その分の吸収が終わっていない可能性があり、全部を"
        u"引くと運転時の数値を低く見積もりすぎることがあります。</li>";
  }
  if (c.testedWhileAbsorbing) {
    items +=
        u"<li>検査は飲み終えてから2時間以内です。まだ吸収の途中で数値が上がっている時期の"
        u"可能性があり、減った量を加える計算は運転時の数値を大きく見積もります。</li>";
  }
  if (items.empty()) return u"";
  return u"<ul class=\"caveats\" aria-label=\"注意点\">" + items + u"</ul>";
}

namespace {

// What a change of the panel's own inputs moves: the figure at driving back
// from a test, each stated figure's check, and the absorption model.
std::u16string Summary(const analysis::Case& c) {
  std::u16string text;
  const auto add = [&](const std::u16string& part) { text += (text.empty() ? u"" : u"、") + part; };
  if (c.back) {
    const analysis::BackAnalysis& a = *c.back;
    if (a.figures[1].atDriving && a.figures[2].atDriving) {
      add(u"後の検査からの運転時の数値 " + Number(a.figures[1].atDriving.figure) + u"〜" +
          Number(a.figures[2].atDriving.figure) + u" mg/L");
    }
  }
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    if (!c.officials[s] || !c.officials[s]->result) continue;
    const analysis::OfficialCheck& o = *c.officials[s];
    add(OfficialTitle(o.set, s) + u" " + Number(o.result.figure) + u" mg" +
        (o.match == analysis::Match::None     ? u""
         : o.match == analysis::Match::Differ ? u"（不一致）"
                                              : u"（一致）"));
  }
  if (c.absorption && c.absorption->model) {
    const analysis::Absorption& m = *c.absorption->model;
    add(u"吸収のモデルで運転時 " + Number(m.lowest.figure) + u"〜" + Number(m.highest.figure) +
        u" mg");
  }
  return text.empty() ? u"" : text + u"。";
}

}  // namespace

PanelHtml DetailPanel(const analysis::Case& c) {
  std::u16string html = Answer(c, Figures::Exact);
  html += ScenarioTable(c, Figures::Exact);
  html += OfficialTable(c, Figures::Exact);
  html += WorkingTable(c);
  // Never how much one may drink to the morning after.
  if (!Morning(c)) html += AmountTable(c);
  html += BackSection(c, Figures::Exact);
  html += Caveats(c);
  html += AbsorptionSection(c, Figures::Exact);
  html += u"<figure>" + Chart(c) +
          u"<figcaption>四つの前提による呼気1リットルあたりのアルコール量の推移（線の種類は凡例の"
          u"とおり、縦線は入力した経過時間、破線は0.15と0.25）</figcaption></figure>";
  return {html, Headline(c), Summary(c)};
}

}  // namespace report
