#include "report/sheet.h"

#include <array>

#include "calc/input_boxes.h"
#include "form/form1_design.h"
#include "info/court_decision.h"
#include "report/absorption.h"
#include "report/chart.h"
#include "report/detail_panel.h"
#include "report/panel_words.h"
#include "report/text.h"

namespace report {
namespace {

// Small enough for every part to fit on two A4 pages; the sheet's pages
// are numbered at their foot.
constexpr std::u16string_view kSheetStyle =
    u"<style>"
    u"@page sheet{size:A4;margin:11mm 12mm 13mm;"
    u"@bottom-center{content:counter(page) \" / \" counter(pages);font-size:8pt}}"
    u".sheet{page:sheet;font-family:\"Widmark Page Gothic\",\"Widmark Panel "
    u"Gothic\",\"IPAPGothic\",sans-serif;"
    u"font-size:8pt;line-height:1.25;color:#000;background:#fff;max-width:186mm;margin:0 auto}"
    u".sheet h1{font-size:13pt;margin:0 0 1mm}"
    u".sheet h2{font-size:9.5pt;margin:2mm 0 0.5mm}"
    u".sheet p{margin:0.8mm 0}"
    u".sheet table{border-collapse:collapse;width:100%;margin:1mm 0;break-inside:avoid}"
    u".sheet caption{text-align:left;font-weight:bold;padding:0.5mm 0}"
    u".sheet th,.sheet td{border:0.3mm solid #888;padding:0.2mm 1.2mm;text-align:left;"
    u"font-weight:normal;vertical-align:top}"
    u".sheet thead th{font-weight:bold}"
    u".sheet .head td{width:35%}.sheet .inputs{display:flex;gap:3mm;align-items:flex-start}"
    u".sheet .inputs table{margin:0.5mm 0}"
    u".sheet .inputs td:nth-child(2){text-align:right;white-space:nowrap}"
    u".sheet .formula{border:0.3mm solid #888;padding:1mm 2mm;break-inside:avoid}"
    u".sheet figure{margin:1mm 0;break-inside:avoid}"
    u".sheet svg.chart{width:100%;height:auto;max-height:64mm}"
    u".sheet figcaption{font-size:8pt}"
    u".sheet .chart .axis{stroke:#555}.sheet .chart .threshold{stroke:#888;stroke-dasharray:5 4}"
    u".sheet .chart .curve{stroke-width:1.5}.sheet .chart .entered{stroke:#000;fill:#000}"
    u".sheet .chart .later{stroke:#555;stroke-dasharray:2 3}"
    u".sheet .chart .test{stroke:#000;stroke-dasharray:6 3}.sheet .chart .measured{fill:#000}"
    u".sheet .chart .tick{font-size:11px;fill:#333}"
    u".sheet .assumptions{margin:0.5mm 0;padding-left:5mm;columns:2;column-gap:6mm}"
    u".sheet .assumptions li{break-inside:avoid}.sheet .assumptions,.sheet "
    u".caveats{font-size:7.5pt}"
    u".sheet .reproduce{display:flex;gap:4mm;align-items:flex-start;break-inside:avoid}"
    u".sheet .reproduce svg{width:30mm;height:30mm;flex:none}"
    u".sheet .link{font-family:monospace;font-size:7pt;word-break:break-all}"
    u".sheet .answer p{margin:0.5mm 0}.sheet .headline{font-weight:bold}"
    u".sheet .exhibit{float:right;margin:0;font-size:11pt;border:0.3mm solid #000;padding:0.5mm "
    u"2mm}"
    u".sheet .signature{margin-top:4mm;break-inside:avoid}.sheet .wide{overflow:visible}"
    u".sheet .signature .line{display:inline-block;width:55mm;border-bottom:0.3mm solid #000;"
    u"margin-left:2mm}"
    u".sheet .sr-only{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0)}"
    u"</style>";

std::u16string Row(std::u16string_view caption, std::u16string_view value,
                   std::u16string_view unit = u"") {
  return u"<tr><th scope=\"row\">" + std::u16string(caption) + u"</th><td>" +
         std::u16string(value) + u"</td><td>" + std::u16string(unit) + u"</td></tr>";
}

std::u16string CaseHead(const SheetHead& head) {
  std::u16string rows;
  const std::array<std::pair<std::u16string_view, const std::u16string*>, 5> kFields = {{
      {u"事件名", &head.caseName},
      {u"対象者", &head.subject},
      {u"事件の日付", &head.incidentDate},
      {u"照合した資料", &head.evidenceRef},
      {u"作成者", &head.preparer},
  }};
  for (const auto& [caption, value] : kFields) {
    if (value->empty()) continue;
    rows += u"<tr><th scope=\"row\">" + std::u16string(caption) + u"</th><td>" + Escape(*value) +
            u"</td></tr>";
  }
  return rows.empty() ? u"" : u"<table class=\"head\"><tbody>" + rows + u"</tbody></table>";
}

// Every input: the thirteen boxes (for the morning after as the window has
// them; for checking a calculation in reading order, in plain words), then
// the panel's, with the clock times where they are given. The prosecution's
// sets stand in the scenario table and the check beside it.
std::u16string InputTable(const analysis::Case& c) {
  const analysis::CaseInputs& in = c.inputs;
  const calc::WidmarkInputs& e = in.entered;
  std::vector<std::u16string> rows;
  if (in.purpose == analysis::Purpose::Morning) {
    for (std::size_t i = 0; i < calc::kInputBoxes; ++i) {
      const calc::InputBox& box = calc::kInputBoxTable[i];
      rows.push_back(Row(box.caption, Number(e.*calc::kFieldOfBox[i]), box.unit));
    }
    // The purpose box asks for the time since drinking ended, whatever the caption says.
    if (c.fromEnd) rows.push_back(Row(u"経過時間の数え方", u"飲み終わりから（翌朝の確認）"));
  } else {
    const auto drink = [](double amount, double strength) {
      return Number(amount) + u" cc・" + Number(strength) + u" %";
    };
    rows.push_back(Row(u"日本酒 量と濃度", drink(e.SakeAmount, e.SakeStrength)));
    rows.push_back(Row(u"ビール 量と濃度", drink(e.BeerAmount, e.BeerStrength)));
    rows.push_back(Row(u"その他 量と濃度", drink(e.OtherAmount, e.OtherStrength)));
    rows.push_back(Row(u"体重", Number(e.BodyWeight), u"kg"));
    rows.push_back(Row(u"飲酒開始から運転まで", HoursMinutes(c.drivingTime)));
    rows.push_back(Row(u"比重", Number(e.EthanolGravity), u"g/cc"));
    rows.push_back(Row(u"分布係数", Number(e.DistributionFactor)));
    rows.push_back(Row(u"減少率", Number(e.EliminationRate), u"g/kg/h"));
    rows.push_back(Row(u"換算率", Number(e.BreathRatio)));
  }
  if (in.startMinute) {
    rows.push_back(Row(u"飲み始めた時刻", ClockTime(*in.startMinute, 0)));
    if (c.drinkingMinutes)
      rows.push_back(Row(u"飲み終えた時刻", ClockTime(*in.startMinute, *c.drinkingMinutes)));
  }
  if (c.drinkingMinutes)
    rows.push_back(Row(u"飲み始めから飲み終わりまで", Duration(c.drinkingMinutes)));
  if (in.back) {
    rows.push_back(Row(u"検査で測った数値", Number(in.back->measured), u"mg/L"));
    if (in.driveMinute) rows.push_back(Row(u"運転した時刻", ClockTime(*in.driveMinute, 0)));
    if (in.driveMinute && c.backMinutes)
      rows.push_back(Row(u"検査の時刻", ClockTime(*in.driveMinute, *c.backMinutes)));
    rows.push_back(Row(u"運転から検査まで", c.backTime ? HoursMinutes(*c.backTime) : u"—"));
    if (in.back->later) {
      rows.push_back(Row(u"運転の後に飲んだ量", Number(in.back->later->amount), u"cc"));
      rows.push_back(Row(u"その度数", Number(in.back->later->strength), u"%"));
      if (in.driveMinute && c.laterAfterDriving)
        rows.push_back(
            Row(u"運転の後に飲んだ時刻", ClockTime(*in.driveMinute, *c.laterAfterDriving)));
    }
  }
  // Two tables side by side, the rows split at the middle, to keep the sheet short.
  const std::size_t half = (rows.size() + 1) / 2;
  std::u16string html = u"<div class=\"inputs\"><table><caption>入力した数値</caption><tbody>";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i == half) html += u"</tbody></table><table><caption>　</caption><tbody>";
    html += rows[i];
  }
  return html + u"</tbody></table></div>";
}

// The formula once, with the entered numbers in it, and every parameter's unit.
std::u16string Formula(const analysis::Case& c) {
  const calc::WidmarkInputs& in = c.inputs.entered;
  const auto n = Number;
  std::u16string html = u"<div class=\"formula\"><p>計算式（ウィドマーク法）：</p><p>";
  html += u"エタノールの量 A ＝ 日本酒 " + n(in.SakeAmount) + u" cc × " + n(in.SakeStrength) +
          u" % ＋ ビール " + n(in.BeerAmount) + u" cc × " + n(in.BeerStrength) +
          u" % ＋ ワインその他 " + n(in.OtherAmount) + u" cc × " + n(in.OtherStrength) +
          u" %</p><p>";
  html += u"呼気1リットルあたり（mg/L）＝ ((A × 比重 " + n(in.EthanolGravity) +
          u") ÷ (分布係数 r " + n(in.DistributionFactor) + u" × 体重 " + n(in.BodyWeight) +
          u") − 減少率 β " + n(in.EliminationRate) + u" × 経過時間 " + HoursMinutes(c.drivingTime) +
          u") × 1000 ÷ 換算率 " + n(in.BreathRatio) + u"</p>";
  html +=
      u"<p>単位：A cc、比重 g/cc、体重 kg、分布係数 r なし、減少率 β g/kg/h、経過時間 時間"
      u"（飲酒開始から）、換算率 なし（血液1 mLと呼気1 Lの比）。</p></div>";
  return html;
}

// Where each scenario's values come from, the prosecution's from the
// document checked.
std::u16string Sources(const analysis::Case& c, const SheetHead& head) {
  std::u16string officials;
  for (std::size_t s = 0; s < analysis::kOfficialSets; ++s) {
    if (!c.officials[s]) continue;
    officials += Row(Escape(OfficialTitle(c.officials[s]->set, s)),
                     head.evidenceRef.empty()
                         ? u"警察・検察の計算が用いた数値"
                         : u"警察・検察の計算が用いた数値（" + Escape(head.evidenceRef) + u"）");
  }
  return u"<table class=\"sources\"><caption>各前提の数値の出典</caption><tbody>" +
         Row(ScenarioTitle(analysis::Scenario::Entered), u"窓の13の欄に入力した数値") +
         Row(ScenarioTitle(analysis::Scenario::Cautious),
             u"分布係数0.6・減少率0.11：窓の「使用目的」（翌朝の確認に入力する慎重な値）。"
             u"換算率1900：窓の「法医学者により見解が異なる　1900～2300」の低い側") +
         Row(ScenarioTitle(analysis::Scenario::MostFavourable),
             u"分布係数0.96・減少率0.19：" + std::u16string(info::kCourtDecisionName) +
                 u"（窓の「判決例」）の示す被検査者に最も有利な数値。換算率2300：1900～2300の"
                 u"高い側") +
         Row(ScenarioTitle(analysis::Scenario::Court),
             std::u16string(info::kCourtDecisionName) +
                 u"（窓の「判決例」）：分布係数0.96・減少率0.19・比重0.7947、飲酒開始からの"
                 u"経過時間。換算率2000：道路交通法施行令第44条の3の「血液1ミリリットルにつき0."
                 u"3ミリグラム」"
                 u"と「呼気1リットルにつき0.15ミリグラム」の比") +
         officials + u"</tbody></table>";
}

constexpr std::u16string_view kAssumptions =
    u"<li>飲んだアルコールはすべて吸収を終えているものとして計算しています。</li>"
    u"<li>時間は飲み始めから数えます（慎重な数値は、飲み終わりの時刻がある場合は飲み終わりから）。"
    u"</li>"
    u"<li>飲み終わりから2時間以内（吸収の途中）の時点への逆算は、この方法の前提の外です。</li>"
    u"<li>本計算値は推定値であり測定値ではない。</li>"
    u"<li>四つの前提の数値は、体質・体調・飲み方による個人差の幅を示すもので、その範囲に"
    u"実際の値があることを保証するものではありません。</li>";

}  // namespace

std::u16string QrSvg(const QrCode& qr) {
  const int side = qr.size + 8;
  std::u16string path;
  for (int row = 0; row < qr.size; ++row) {
    for (int col = 0; col < qr.size; ++col) {
      if (!qr.dark[static_cast<std::size_t>(row * qr.size + col)]) continue;
      // Appended piece by piece: GCC 12 warns falsely on "literal" + string.
      path += u'M';
      path += Ascii(std::to_string(col + 4));
      path += u' ';
      path += Ascii(std::to_string(row + 4));
      path += u"h1v1h-1z";
    }
  }
  return u"<svg class=\"qr\" viewBox=\"0 0 " + Ascii(std::to_string(side)) + u" " +
         Ascii(std::to_string(side)) +
         u"\" shape-rendering=\"crispEdges\" role=\"img\" "
         u"aria-label=\"同じ計算を開くリンクのQRコード\">"
         u"<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/><path fill=\"#000\" d=\"" +
         path + u"\"/></svg>";
}

std::u16string SheetHtml(const analysis::Case& c, const SheetHead& head) {
  std::u16string html = u"<article class=\"sheet\">" + std::u16string(kSheetStyle);
  if (!head.exhibitNumber.empty())
    html += u"<p class=\"exhibit\">" + Escape(head.exhibitNumber) + u"</p>";
  html += u"<h1>計算書　ウィドマーク法による呼気1リットルあたりのアルコール量</h1>";
  html += CaseHead(head);
  html += u"<p>作成：" + std::u16string(form::kForm1Caption) + u"（widmark " +
          Ascii(WIDMARK_VERSION) + u"）　計算日時 " + Escape(head.when) + u"</p>";
  html += InputTable(c);
  html += Formula(c);
  html += Answer(c, Figures::FourDecimals);
  html += ScenarioTable(c, Figures::FourDecimals);
  html += OfficialTable(c, Figures::FourDecimals);
  html += Sources(c, head);
  html += WorkingTable(c);
  if (c.inputs.purpose != analysis::Purpose::Morning) html += AmountTable(c);
  html += BackSection(c, Figures::FourDecimals);
  html += Caveats(c);
  html += AbsorptionSection(c, Figures::FourDecimals);
  html += u"<figure>" + Chart(c) +
          u"<figcaption>四つの前提による推移（線の種類は凡例のとおり、破線は0.15と0.25）"
          u"</figcaption></figure>";
  html += u"<h2>前提</h2><ul class=\"assumptions\">" + std::u16string(kAssumptions);
  if (c.absorption) html += AbsorptionAssumptions();
  html += u"</ul>";
  html +=
      u"<p>mg/L の数値は小数第4位まで（それより下は切り捨て）。計算の過程の欄は窓の表示"
      u"どおりの数値です。</p>";
  html += u"<h2>同じ計算を開くリンク</h2><div class=\"reproduce\">";
  if (head.qr.size > 0) html += QrSvg(head.qr);
  html +=
      u"<p>このリンクを開くと、同じ入力で計算し直し、この計算書と同じ数値がすべて出ます"
      u"（事件名・対象者・作成者など、見出しの欄は含みません）。<br><span class=\"link\">" +
      Escape(head.link) + u"</span></p></div>";
  // Signed by hand when filed.
  html += u"<p class=\"signature\">作成日　　　　年　　月　　日　　作成者　" +
          (head.preparer.empty() ? u"" : Escape(head.preparer) + u"　") +
          u"署名<span class=\"line\"></span></p>";
  return html + u"</article>";
}

std::u16string CalculationSheet(const analysis::Case& c, const SheetHead& head) {
  return u"<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\"><title>計算書 — " +
         std::u16string(form::kForm1Caption) +
         u"</title><style>body{margin:0}</style></head><body>" + SheetHtml(c, head) +
         u"</body></html>\n";
}

}  // namespace report
