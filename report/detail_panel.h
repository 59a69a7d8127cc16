#pragma once
// 計算の詳細, the panel below the page's window and the body of the
// calculation sheet, as HTML: the law's threshold, the four scenarios side
// by side (figure, how it stands to the threshold, the window's verdict,
// times to the limit and to zero), the working of the entered figure, the
// amounts at the limit both ways, the figure back from a later test with its
// cross-check, the caveats, and the chart. Every number comes worked out in
// a calc::Case; every text is a constant or escaped.

#include <string>

#include "calc/case.h"

namespace report {

using PanelInputs = calc::CaseInputs;

// The panel shows figures as the window does; the sheet cuts figures in mg/L
// to four decimals (toward zero), keeping the window's text in its working.
enum class Figures { Exact, FourDecimals };

struct PanelHtml {
  std::u16string results;   // everything below the panel's heading and inputs
  std::u16string headline;  // the answer in one sentence, for announcing
};
PanelHtml DetailPanel(const calc::Case& c);

// The parts, for the sheet.
std::u16string Answer(const calc::Case& c, Figures figures);
std::u16string ScenarioTable(const calc::Case& c, Figures figures);
std::u16string WorkingTable(const calc::Case& c);
std::u16string AmountTable(const calc::Case& c);
std::u16string Headline(const calc::Case& c, Figures figures = Figures::Exact);
std::u16string BackSection(const calc::Case& c, Figures figures);  // empty without a test
std::u16string Caveats(const calc::Case& c);                       // empty where there are none

// A figure in mg/L as `figures` asks.
std::u16string MgL(double figure, Figures figures);
// A duration as 時間・分, each as its box holds it.
std::u16string HoursMinutes(const calc::HoursAndMinutes& time);

}  // namespace report
