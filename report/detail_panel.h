#pragma once
// 計算の詳細, the panel below the page's window and the body of the
// calculation sheet, as HTML: the law's threshold, the four scenarios side
// by side (figure, how it stands to the threshold, the window's verdict,
// times to the limit and to zero), the working of the entered figure, the
// amounts at the limit both ways, the figure back from a later test with its
// cross-check, the caveats, and the chart. Every number comes worked out in
// a analysis::Case; every text is a constant or escaped.

#include <string>

#include "analysis/case.h"

namespace report {

using PanelInputs = analysis::CaseInputs;

// The panel shows figures as the window does; the sheet cuts figures in mg/L
// to four decimals (toward zero), keeping the window's text in its working.
enum class Figures { Exact, FourDecimals };

struct PanelHtml {
  std::u16string results;   // everything below the panel's heading and inputs
  std::u16string headline;  // the answer in one sentence, for announcing
  std::u16string summary;   // the figures the panel's own inputs move, in one sentence
};
PanelHtml DetailPanel(const analysis::Case& c);

// The parts, for the sheet.
std::u16string Answer(const analysis::Case& c, Figures figures);
std::u16string ScenarioTable(const analysis::Case& c, Figures figures);
std::u16string OfficialTable(const analysis::Case& c, Figures figures);  // empty without one
std::u16string WorkingTable(const analysis::Case& c);
std::u16string AmountTable(const analysis::Case& c);
std::u16string Headline(const analysis::Case& c, Figures figures = Figures::Exact);
std::u16string BackSection(const analysis::Case& c, Figures figures);  // empty without a test
std::u16string Caveats(const analysis::Case& c);                       // empty where there are none

// A figure in mg/L as `figures` asks.
std::u16string MgL(double figure, Figures figures);
// A duration as 時間・分, each as its box holds it.
std::u16string HoursMinutes(const analysis::HoursAndMinutes& time);

}  // namespace report
