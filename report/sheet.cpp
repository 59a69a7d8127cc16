#include "report/sheet.h"

#include "calc/analysis.h"
#include "calc/input_boxes.h"
#include "form/form1_design.h"
#include "report/chart.h"
#include "report/text.h"

namespace report {
namespace {

// Small enough for every part to fit on two A4 pages.
constexpr std::u16string_view kSheetStyle =
    u"<style>"
    u".sheet{font-family:\"Widmark Page Gothic\",\"IPAPGothic\",sans-serif;font-size:9pt;"
    u"color:#000;background:#fff;max-width:180mm;margin:0 auto}"
    u".sheet h1{font-size:14pt;margin:0 0 2mm}"
    u".sheet p{margin:1mm 0}"
    u".sheet table{border-collapse:collapse;width:100%;margin:1.5mm 0;break-inside:avoid}"
    u".sheet caption{text-align:left;font-weight:bold;padding:1mm 0}"
    u".sheet th,.sheet td{border:0.3mm solid #888;padding:0.4mm 1.5mm;text-align:left;"
    u"font-weight:normal;vertical-align:top}"
    u".sheet thead th{font-weight:bold}"
    u".sheet .inputs td:nth-child(2){text-align:right}"
    u".sheet figure{margin:1.5mm 0;break-inside:avoid}"
    u".sheet svg{width:100%;height:auto}"
    u".sheet figcaption{font-size:8pt}"
    u".sheet .chart .axis{stroke:#555}.sheet .chart .threshold{stroke:#888;stroke-dasharray:5 4}"
    u".sheet .chart .curve{stroke-width:1.5}.sheet .chart .entered{stroke:#000;fill:#000}"
    u".sheet .chart .tick{font-size:11px;fill:#333}"
    u".sheet .caution{border:0.3mm solid #888;padding:1mm 2mm;margin-top:2mm}"
    u".sheet .answer p{margin:0.5mm 0}.sheet .headline{font-weight:bold}"
    u".sheet .sr-only{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0)}"
    u"</style>";

// The window's own caution (Label33), up to "参考数値と理解して下さい。".
std::u16string WindowCaution() {
  constexpr std::u16string_view kEnd = u"参考数値と理解して下さい。";
  for (const form::ControlDesign& row : form::kForm1Controls) {
    if (row.name != "Label33") continue;
    const std::size_t end = row.caption.find(kEnd);
    return std::u16string(row.caption.substr(0, end + kEnd.size()));
  }
  return u"";
}

std::u16string InputTable(const calc::WidmarkInputs& entered) {
  std::u16string html =
      u"<table class=\"inputs\"><caption>入力した数値（窓の13の欄）</caption><tbody>";
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i) {
    const calc::InputBox& box = calc::kInputBoxTable[i];
    html += u"<tr><th scope=\"row\">" + std::u16string(box.caption) + u"</th><td>" +
            Number(entered.*calc::kFieldOfBox[i]) + u"</td><td>" + std::u16string(box.unit) +
            u"</td></tr>";
  }
  return html + u"</tbody></table>";
}

}  // namespace

std::u16string SheetHtml(const PanelInputs& in, std::u16string_view when) {
  const PanelAnalyses panel = AnalysePanel(in);
  const calc::Analyses& analyses = panel.scenarios;
  std::u16string html = u"<article class=\"sheet\">" + std::u16string(kSheetStyle);
  html += u"<h1>計算書　ウィドマーク法による呼気1リットルあたりのアルコール量</h1>";
  html += u"<p>" + std::u16string(form::kForm1Caption) + u" " + Ascii(WIDMARK_VERSION) +
          u"　計算日時 " + Escape(when) + u"</p>";
  html += InputTable(in.entered);
  html += Answer(panel);
  html += ScenarioTable(panel);
  html += WorkingTable(analyses[0]);
  html += AmountTable(analyses);
  if (in.back) html += BackSection(in.entered, *in.back);
  html += Caveats(in);
  html += u"<figure>" + Chart(analyses, panel.drinkingMinutes) +
          u"<figcaption>四つの前提による推移（線の種類は凡例のとおり、破線は0.15と0.25）"
          u"</figcaption></figure>";
  html += u"<p class=\"caution\">" + WindowCaution() + u"</p>";
  return html + u"</article>";
}

std::u16string CalculationSheet(const PanelInputs& in, std::u16string_view when) {
  return u"<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\"><title>計算書 — " +
         std::u16string(form::kForm1Caption) +
         u"</title><style>@page{size:A4;margin:12mm}body{margin:0}</style></head><body>" +
         SheetHtml(in, when) + u"</body></html>\n";
}

}  // namespace report
