#include "report/absorption.h"

#include "calc/number_text.h"
#include "report/text.h"

namespace report {
namespace {

// The sentence for a model that stopped.
std::u16string_view FaultText(analysis::ModelFault fault) {
  switch (fault) {
    case analysis::ModelFault::HalfLife:
      return u"吸収の半減期は0より大きい数値にして下さい。吸収のモデルは計算していません。";
    case analysis::ModelFault::Deficit:
      return u"吸収不足は0～100（%）の数値にして下さい。吸収のモデルは計算していません。";
    case analysis::ModelFault::OutsideHours:
      return u"飲酒の時間、運転、検査または運転後の飲酒が、飲み始めから72時間の範囲の外にある"
             u"ため、吸収のモデルは計算していません。";
    case analysis::ModelFault::Arithmetic:
      return u"途中の値が計算できない入力のため、吸収のモデルは計算していません。";
    case analysis::ModelFault::BackSearch:
      break;
  }
  return u"検査で測った数値に届く飲酒量が見つからないため、吸収のモデルは計算していません。";
}

std::u16string Corner(const analysis::ModelCorner& corner) {
  return Ascii(analysis::CornerName(corner));
}

// One figure cell: the figure, its corner where named, the exact value for tests.
std::u16string FigureCell(const analysis::ModelFigure& f, Figures figures, bool named) {
  std::u16string html =
      u"<td data-model=\"" + Hex(f.figure) + u"\">" + MgL(f.figure, figures) + u" mg";
  // The sheet keeps the corner on the figure's line, to stay short.
  if (named)
    html += (figures == Figures::Exact ? u"<br>" : u"　") +
            std::u16string(u"<span class=\"corner\">") + Corner(f.corner) + u"</span>";
  return html + u"</td>";
}

// The time of a minute from drinking's start, with its clock time where known.
std::u16string Minute(const analysis::Case& c, std::int64_t minute) {
  std::u16string text = u"飲み始めから" + Duration(minute);
  if (c.inputs.startMinute) text += u"（" + ClockTime(*c.inputs.startMinute, minute) + u"）";
  return text;
}

}  // namespace

std::u16string AbsorptionSection(const analysis::Case& c, Figures figures) {
  std::u16string html =
      u"<section class=\"absorption\" aria-labelledby=\"absorption-title\"><h3 "
      u"id=\"absorption-title\">吸収の途中を考えた数値（吸収のモデル）</h3>";
  if (!c.absorption) {
    return html +
           u"<p class=\"model-note\">吸収のモデルには、飲み始めと飲み終えの時刻（または飲み始め"
           u"から飲み終わりまでの時間）が必要です。</p></section>";
  }
  if (!c.absorption->model)
    return html + u"<p class=\"model-note\">" + std::u16string(FaultText(*c.absorption->fault)) +
           u"</p></section>";
  const analysis::Absorption& m = *c.absorption->model;
  const analysis::ScenarioAnalysis& entered = c.scenarios[0];
  html +=
      u"<table class=\"model\"><caption>運転時の数値：吸収を終えたものとする窓の計算と、"
      u"吸収の途中を考えたモデル（推定）</caption><thead><tr><td></td><th "
      u"scope=\"col\">最も低い</th><th scope=\"col\">最も高い</th></tr></thead><tbody>";
  html += u"<tr><th scope=\"row\">窓の計算（吸収を終えたものとする）</th><td colspan=\"2\">" +
          (entered.result ? MgL(entered.result.figure, figures) + u" mg" : u"計算できません") +
          u"</td></tr>";
  html += u"<tr><th scope=\"row\">モデル：入力した分布係数・減少率・換算率で</th>" +
          FigureCell(m.enteredLowest, figures, true) + FigureCell(m.enteredHighest, figures, true) +
          u"</tr>";
  html += u"<tr><th scope=\"row\">モデル：32通りの組み合わせで</th>" +
          FigureCell(m.lowest, figures, true) + FigureCell(m.highest, figures, true) + u"</tr>";
  if (m.backLowest && m.backHighest) {
    html += u"<tr><th scope=\"row\">モデル：後の検査から（検査の数値に届く最小の飲酒量で）</th>" +
            FigureCell(*m.backLowest, figures, true) + FigureCell(*m.backHighest, figures, true) +
            u"</tr>";
  }
  html += u"</tbody></table>";
  html +=
      u"<p class=\"model-note\">組み合わせの名前は 吸収の半減期（分）/吸収不足（%）/分布係数/"
      u"減少率/換算率 の順（半減期" +
      Number(c.inputs.ranges.fast) + u"・" + Number(c.inputs.ranges.slow) + u"、吸収不足" +
      Number(c.inputs.ranges.low) + u"・" + Number(c.inputs.ranges.high) +
      u"、分布係数0.6・0.96、減少率0.11・0.19、換算率1900・2300）。</p>";
  html += u"<p class=\"model-note\" data-rising=\"" +
          std::u16string(m.rising ? u"rising" : u"not-rising") + u"\">半減期" +
          Number(c.inputs.ranges.slow) + u"分・吸収不足" + Number(c.inputs.ranges.low) +
          u"%・入力した分布係数と減少率で、運転の前に飲んだ分だけを考えると、運転時の数値は" +
          (m.rising ? u"まだ上がっている途中でした" : u"上がっている途中ではありませんでした") +
          u"。最も高くなるのは" + Minute(c, m.peakMinute) + u"です。</p>";
  if (c.laterTakenAtDriving) {
    html +=
        u"<p class=\"model-note\">運転の後に飲んだ時刻がないため、モデルではその分を運転した"
        u"時刻に飲んだものとしています。</p>";
  }
  return html + u"</section>";
}

std::u16string AbsorptionAssumptions() {
  return u"<li>吸収のモデル："
         u"運転の前の飲酒は飲み始めから飲み終わりまで一定の速さで続いたものとし、運転の後の"
         u"飲酒はその時刻に一度に飲んだものとします。吸収は一次の速さ（半減期）で進み、消失は一定"
         u"の速さ（減少率）で、0より下にはなりません。食事の影響は、半減期と吸収不足の幅だけで"
         u"表します。時間は飲み始めから1分ごとに数えます。</li>"
         u"<li>モデルの数値は推定値です。吸収の途中の時点について逆算を行うこと自体を認めない"
         u"裁判例・専門家の見解もあります。</li>"
         u"<li>吸収の半減期6分（空腹時）と18分（食後）：公開されたオープンソースのモデルが用いる"
         u"範囲（Posey and Mozayani 2007, Forensic Sci Med Pathol 3:33 による）。空腹時の被験者"
         u"が最高値に達した時間は、45分以内が77%、75分以内が97%（Jones, Jonsson and Neri 1991, J "
         u"Forensic Sci 36:376）。</li>"
         u"<li>吸収不足10%と30%：ドイツの実務で10～15%、多量の食事の後は30%まで（BGH NJW 1991, "
         u"852）。</li>";
}

}  // namespace report
