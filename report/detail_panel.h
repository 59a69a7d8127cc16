#pragma once
// 計算の詳細, the panel below the page's window and the body of the
// calculation sheet, as HTML: the four scenarios side by side (figure,
// verdict, times to the limit and to zero), the working of the entered
// figure, the most of each drink that stays at the limit, the figure back
// from a later test with its cross-check, the caveats, and the chart. Every
// number comes from calc; every text is a constant or escaped.

#include <optional>
#include <string>

#include "calc/analysis.h"
#include "calc/back_calculation.h"
#include "calc/widmark.h"

namespace report {

struct PanelInputs {
  calc::WidmarkInputs entered;
  std::optional<calc::BackInputs> back;  // a figure measured at a later test
  std::optional<double> drinkingHours;   // from the start of drinking to its end
  std::optional<int> startMinute;        // when drinking began, minutes after midnight
  std::optional<int> laterBeforeTest =
      std::nullopt;  // minutes from a drink after driving to the test
};

// The four scenarios as the panel shows them: with the drinking time known,
// the cautious one counts from the end of drinking, as the purpose box says.
struct PanelAnalyses {
  calc::Analyses scenarios;
  std::optional<std::int64_t> drinkingMinutes;  // whole minutes, start to end
  std::optional<int> startMinute;
};
PanelAnalyses AnalysePanel(const PanelInputs& in);

struct PanelHtml {
  std::u16string results;   // everything below the panel's heading and inputs
  std::u16string headline;  // the answer in one sentence, for announcing
};
PanelHtml DetailPanel(const PanelInputs& in);

// The parts, for the sheet.
std::u16string Answer(const PanelAnalyses& a);
std::u16string ScenarioTable(const PanelAnalyses& a);
std::u16string WorkingTable(const calc::ScenarioAnalysis& entered);
std::u16string AmountTable(const calc::Analyses& analyses);
std::u16string Headline(const PanelAnalyses& a);
std::u16string BackSection(const calc::WidmarkInputs& entered, const calc::BackInputs& back);
std::u16string Caveats(const PanelInputs& in);  // empty where there are none

}  // namespace report
