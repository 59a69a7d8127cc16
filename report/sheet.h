#pragma once
// 計算書, the calculation sheet: one A4 sheet of at most two pages to attach
// to a brief. The program's name and version, when it was calculated, the
// thirteen inputs with their captions, then the panel's parts, and the
// window's own caution that the figures are for reference.

#include <string>
#include <string_view>

#include "report/detail_panel.h"

namespace report {

// The sheet as an element for the page, with its own style, no script.
std::u16string SheetHtml(const PanelInputs& in, std::u16string_view when);

// The same sheet as one self-contained HTML document.
std::u16string CalculationSheet(const PanelInputs& in, std::u16string_view when);

}  // namespace report
